#include "frontend/kit/screen_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace frontend
{
namespace
{

/// The frame the window system puts around a window: measured once the window is shown with one, else
/// a title bar and thin borders as the style draws them.
QSize windowFrame(const QWidget *window)
{
    const QSize measured = window->frameGeometry().size() - window->geometry().size();
    if (window->isVisible() && (measured.width() > 0 || measured.height() > 0)) {
        return measured;
    }
    const int border = 2 * window->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    return { border, window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window) + border };
}

/// Brings every layout of the window up to date, the innermost first, so that the window's own size hints
/// (and the minimum size its layout gives it) are those of its content as it now stands.
void settleLayouts(QWidget *window)
{
    const QList<QWidget *> inside = window->findChildren<QWidget *>();
    // Listed with every widget before its children: backwards, children come first.
    for (auto widget = inside.crbegin(); widget != inside.crend(); ++widget) {
        if ((*widget)->layout()) {
            (*widget)->layout()->activate();
        }
    }
    if (window->layout()) {
        window->layout()->activate();
    }
}

QRect availableGeometry(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen->availableGeometry();
}

/// The room a window has on its screen: the available geometry less the window's frame.
QSize roomOnScreen(const QWidget *window)
{
    return availableGeometry(window).size() - windowFrame(window);
}

} // namespace

WindowBody::WindowBody(QWidget *body, QWidget *parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setFocusPolicy(Qt::NoFocus); // Tab goes through the body's own controls; the focused one is kept in view
    setWidget(body);
    body->installEventFilter(this);
    m_least = wholeBody();
}

QSize WindowBody::sizeHint() const
{
    QSize hint = widget()->sizeHint();
    if (widget()->hasHeightForWidth()) {
        hint.setHeight(widget()->heightForWidth(hint.width()));
    }
    return hint + QSize(2 * frameWidth(), 2 * frameWidth());
}

QSize WindowBody::minimumSizeHint() const
{
    return m_least;
}

QSize WindowBody::wholeBody() const
{
    // All of the body, and room for the scroll bar beside it so that it never covers the body's width.
    const QSize body = widget()->minimumSizeHint().expandedTo(widget()->minimumSize());
    const int frame = 2 * frameWidth();
    return { body.width() + verticalScrollBar()->sizeHint().width() + frame, body.height() + frame };
}

void WindowBody::fit()
{
    QSize least = wholeBody();
    QWidget *top = window();
    if (top != this) {
        // What the rest of the window needs besides the body; the body takes what the screen leaves.
        const QSize rest = top->minimumSizeHint() - m_least;
        const QSize room = roomOnScreen(top) - rest.expandedTo(QSize(0, 0));
        const QSize floor(4 * fontMetrics().averageCharWidth(), 3 * fontMetrics().height());
        least = least.boundedTo(room).expandedTo(floor);
    }
    if (least != m_least) {
        m_least = least;
        updateGeometry();
    }
}

bool WindowBody::eventFilter(QObject *watched, QEvent *event)
{
    // The body's layout changed (a panel shown or hidden): its window may grow to the new need, up to the
    // screen. Worked out once the layouts have settled.
    if (watched == widget() && event->type() == QEvent::LayoutRequest) {
        QTimer::singleShot(0, this, &WindowBody::fit);
    }
    return QScrollArea::eventFilter(watched, event);
}

void WindowBody::showEvent(QShowEvent *event)
{
    fit();
    QScrollArea::showEvent(event);
}

void fitToScreen(QWidget *window, QSize wanted)
{
    for (WindowBody *body : window->findChildren<WindowBody *>()) {
        body->fit();
    }
    settleLayouts(window);
    const QSize room = roomOnScreen(window);
    const QSize hint = window->sizeHint();
    const QSize size = (wanted.isValid() ? wanted.expandedTo(hint) : hint).boundedTo(room);
    window->resize(size);
    if (!window->parentWidget()) {
        const QRect available = availableGeometry(window);
        const QSize whole = size + windowFrame(window);
        window->move(available.topLeft()
            + QPoint(std::max(0, (available.width() - whole.width()) / 2),
                std::max(0, (available.height() - whole.height()) / 2)));
    }
}

} // namespace frontend
