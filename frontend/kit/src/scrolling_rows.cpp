#include "frontend/kit/scrolling_rows.h"

#include "frontend/core/rows.h"
#include "frontend/kit/dialog_parts.h"
#include "frontend/kit/feedback.h"
#include "platform/twips.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace frontend
{
namespace
{

constexpr int stepTwips = 20;

} // namespace

ScrollingRows::ScrollingRows(const Names &names, int viewportHeightTwips, QWidget *parent)
    : QWidget(parent)
    , m_viewport(new QWidget(this))
    , m_panel(new QWidget(m_viewport))
    , m_bar(new QScrollBar(Qt::Vertical, this))
    , m_viewportTwips(viewportHeightTwips)
{
    m_viewport->setObjectName(names.viewport);
    m_panel->setObjectName(names.panel);
    m_bar->setObjectName(names.bar);
    m_viewport->setFixedHeight(platform::twipsToPixels(viewportHeightTwips, this));
    m_viewport->setFocusPolicy(Qt::ClickFocus);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_viewport, 1);
    layout->addWidget(m_bar);
    m_bar->setSingleStep(1);
    // A click takes the focus (Qt's bars take none), which the bar then hands on to its viewport: the keys must not
    // go on into a box that the click scrolls out of sight.
    m_bar->setFocusPolicy(Qt::ClickFocus);
    m_bar->hide();
    connect(m_bar, &QScrollBar::valueChanged, this, &ScrollingRows::scr_Change);
    m_bar->installEventFilter(this);
    m_viewport->installEventFilter(this);
}

void ScrollingRows::setPanelSize(int heightTwips, int widthPixels)
{
    m_panelTwips = heightTwips;
    m_panel->setGeometry(0, 0, widthPixels, platform::twipsToPixels(heightTwips, this));
    m_viewport->setMinimumWidth(widthPixels);
}

void ScrollingRows::LoadBars()
{
    LoadBars(core::LoadBars(m_panelTwips, m_viewportTwips));
}

void ScrollingRows::LoadBars(const core::ScrollRange &range)
{
    m_bar->setRange(0, range.maximum);
    m_bar->setPageStep(std::max(1, m_viewportTwips / stepTwips));
    m_bar->setValue(0);
    m_bar->setVisible(range.visible);
}

void ScrollingRows::followFocus(QWidget *box)
{
    box->installEventFilter(this);
}

void ScrollingRows::scr_Change(int value)
{
    m_panel->move(0, platform::twipsToPixels(core::PanelTop(value), this));
}

void ScrollingRows::showRow(const QWidget *box)
{
    const int y = box->mapTo(m_panel, QPoint()).y();
    const double top = platform::pixelsToTwips(y, this);
    const double bottom = platform::pixelsToTwips(y + box->height(), this);
    const double shown = -core::PanelTop(m_bar->value());
    if (top < shown) {
        m_bar->setValue(static_cast<int>(std::floor(top / stepTwips)));
    } else if (bottom > shown + m_viewportTwips) {
        m_bar->setValue(static_cast<int>(std::ceil((bottom - m_viewportTwips) / stepTwips)));
    }
}

bool ScrollingRows::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_bar && event->type() == QEvent::FocusIn) {
        m_viewport->setFocus(); // the bar passes the focus on to its viewport
    } else if (watched == m_viewport && event->type() == QEvent::Wheel) {
        const int notches = static_cast<QWheelEvent *>(event)->angleDelta().y() / 120;
        m_bar->setValue(m_bar->value() - notches * m_bar->singleStep() * 3);
        return true;
    } else if (event->type() == QEvent::FocusIn && watched != m_bar && watched != m_viewport) {
        scrollIntoView(static_cast<QWidget *>(watched));
    }
    return QWidget::eventFilter(watched, event);
}

void scrollIntoView(QWidget *widget)
{
    if (widget->isWindow()) {
        return;
    }
    for (QWidget *outer = widget->parentWidget(); outer; outer = outer->parentWidget()) {
        if (auto *rows = qobject_cast<ScrollingRows *>(outer)) {
            rows->showRow(widget);
        } else if (auto *area = qobject_cast<QScrollArea *>(outer); area && area->widget()) {
            const QRect shown(widget->mapTo(area->widget(), QPoint()), widget->size());
            area->ensureVisible(shown.center().x(), shown.center().y(), shown.width() / 2 + 1, shown.height() / 2 + 1);
        }
        if (outer->isWindow()) {
            break;
        }
    }
}

int rowHeightTwips(const QWidget *context)
{
    QLineEdit sample;
    sample.setFont(fixedFont());
    const double needed = platform::pixelsToTwips(sample.minimumSizeHint().height(), context);
    return std::max(core::templateRowHeight, static_cast<int>(std::ceil(needed)));
}

QString indexedName(const char *name, int index)
{
    return QLatin1String(name) + QLatin1Char('_') + QString::number(index);
}

QLineEdit *addRowBox(QWidget *panel, const QString &name, int x, int y, int widthTwips, int heightTwips)
{
    auto *box = new QLineEdit(panel);
    box->setObjectName(name);
    box->setFont(fixedFont());
    box->setGeometry(platform::twipsToPixels(x, panel),
        platform::twipsToPixels(y, panel),
        platform::twipsToPixels(widthTwips, panel),
        platform::twipsToPixels(heightTwips, panel));
    makeNumberBox(box);
    box->show();
    return box;
}

QLabel *addRowLabel(QWidget *panel, const QString &name, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, panel);
    label->setObjectName(name);
    label->adjustSize();
    label->move(platform::twipsToPixels(x, panel), platform::twipsToPixels(y, panel));
    label->show();
    return label;
}

} // namespace frontend
