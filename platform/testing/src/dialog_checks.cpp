#include "platform/testing/dialog_checks.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>

namespace platform::testing
{
namespace
{

// Room enough for any text: the measures below must not be bounded by it.
constexpr int kUnbounded = 1 << 20;

QString withoutMnemonic(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// The size the label's text needs inside a width of `width` (wrapped only where the label wraps).
QSize neededBy(const QLabel *label, int width)
{
    const bool rich = label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (rich) {
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setDefaultFont(label->font());
        document.setHtml(label->text());
        document.setTextWidth(label->wordWrap() ? width : -1);
        return QSize(static_cast<int>(document.idealWidth() + 0.999), static_cast<int>(document.size().height()));
    }
    const int flags = Qt::TextShowMnemonic | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect room(0, 0, label->wordWrap() ? width : kUnbounded, kUnbounded);
    return QFontMetrics(label->font()).boundingRect(room, flags, label->text()).size();
}

QString fault(const QWidget *control, const char *what, QSize has, QSize needs)
{
    return QStringLiteral("%1: %2 (has %3x%4, needs %5x%6)")
        .arg(describe(control), QLatin1String(what))
        .arg(has.width())
        .arg(has.height())
        .arg(needs.width())
        .arg(needs.height());
}

// Inside a scrolling view a control may lie outside the visible part: that is scrolling, not clipping.
bool insideScrollArea(const QWidget *control, const QWidget *window)
{
    for (const QWidget *up = control->parentWidget(); up && up != window; up = up->parentWidget()) {
        if (const auto *area = qobject_cast<const QAbstractScrollArea *>(up->parentWidget());
            area && area->viewport() == up) {
            return true;
        }
    }
    return false;
}

// The frame or window that cuts off part of `control`, if any.
const QWidget *cutBy(const QWidget *control, const QWidget *window)
{
    QRect rect = control->rect();
    for (const QWidget *at = control; at != window && at->parentWidget(); at = at->parentWidget()) {
        rect.translate(at->pos());
        if (!at->parentWidget()->rect().contains(rect)) {
            return at->parentWidget();
        }
    }
    return nullptr;
}

void checkLabel(const QLabel *label, QStringList &faults)
{
    if (label->text().isEmpty() || !label->pixmap().isNull()) {
        return;
    }
    const QRect room = label->contentsRect();
    const QSize needs = neededBy(label, room.width());
    if (needs.width() > room.width() || needs.height() > room.height()) {
        faults.append(fault(label, "text cut off", room.size(), needs));
    }
}

void checkButton(const QAbstractButton *button, QStringList &faults)
{
    if (button->text().isEmpty()) {
        return;
    }
    // The button's own measure: its text in its font, with the indicator and the margins its style draws.
    const QSize needs = button->sizeHint();
    if (button->width() < needs.width() || button->height() < needs.height()) {
        faults.append(fault(button, "text cut off", button->size(), needs));
    }
}

void checkFrame(const QGroupBox *frame, QStringList &faults)
{
    if (frame->title().isEmpty()) {
        return;
    }
    // The title is drawn in the frame's border line, with a small indent on either side.
    const QFontMetrics metrics(frame->font());
    const QSize needs(
        metrics.horizontalAdvance(withoutMnemonic(frame->title())) + 2 * metrics.averageCharWidth(), metrics.height());
    if (frame->width() < needs.width()) {
        faults.append(fault(frame, "title cut off", frame->size(), needs));
    }
}

bool takesKeyboardFocus(const QWidget *control, const QWidget *window)
{
    return control->window() == window && control->isVisible() && control->isEnabled()
        && (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !control->focusProxy()
        && !insideScrollArea(control, window);
}

// A control the user gives a value: a text box that is not read-only, a drop-down list, a spin box, a
// slider or scroll bar. (Option buttons and check boxes come with their choice made.)
bool takesInput(const QWidget *control)
{
    if (const auto *box = qobject_cast<const QLineEdit *>(control)) {
        return !box->isReadOnly() && !qobject_cast<const QComboBox *>(box->parentWidget());
    }
    return qobject_cast<const QComboBox *>(control) || qobject_cast<const QAbstractSpinBox *>(control)
        || qobject_cast<const QAbstractSlider *>(control);
}

QRect inWindow(const QWidget *control, const QWidget *window)
{
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

// Whether `next` comes after `previous` in reading order: further down the window, or along the same row
// (their heights overlap) further right.
bool readsAfter(const QRect &previous, const QRect &next)
{
    const bool sameRow = next.top() <= previous.bottom() && previous.top() <= next.bottom();
    return sameRow ? next.left() > previous.left() : next.top() > previous.top();
}

// The first option button or check box of the window in reading order when it comes before `input`: a
// window that begins with a choice may open on that choice.
const QWidget *firstChoiceBefore(const QWidget *window, const QWidget *input)
{
    const QWidget *first = nullptr;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        const auto *choice = qobject_cast<const QAbstractButton *>(control);
        if (!choice || !choice->isCheckable() || !takesKeyboardFocus(control, window)) {
            continue;
        }
        if (!first || readsAfter(inWindow(control, window), inWindow(first, window))) {
            first = control;
        }
    }
    return first && readsAfter(inWindow(first, window), inWindow(input, window)) ? first : nullptr;
}

} // namespace

ApplicationFont::ApplicationFont(qreal pointSize)
    : m_saved(QApplication::font())
{
    QFont font = m_saved;
    font.setPointSizeF(pointSize);
    QApplication::setFont(font);
}

ApplicationFont ApplicationFont::ofTestRow()
{
    QFETCH(qreal, pointSize);
    return ApplicationFont(pointSize);
}

ApplicationFont::~ApplicationFont()
{
    QApplication::setFont(m_saved);
}

QStringList keyboardFaults(QWidget *window)
{
    QStringList faults;
    const QWidget *first = firstInput(window);
    const QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != window) {
        faults.append(QStringLiteral("the window opens without the focus"));
        return faults;
    }
    const auto *box = qobject_cast<const QLineEdit *>(focus);
    if (box && box->isReadOnly()) {
        faults.append(QStringLiteral("the window opens with the focus in the read-only ") + describe(focus));
    } else if (first && focus != first && focus != firstChoiceBefore(window, first)) {
        faults.append(QStringLiteral("the window opens with the focus in ") + describe(focus)
            + QStringLiteral(", not in its first input ") + describe(first));
    }
    const QList<QWidget *> path = tabPath();
    for (const QWidget *control : path) {
        // What QPushButton itself asks before it takes Enter; otherwise Enter goes on to the window, which
        // presses its default button instead, or nothing.
        const auto *button = qobject_cast<const QPushButton *>(control);
        if (button && !button->autoDefault() && !button->isDefault()) {
            faults.append(describe(button) + QStringLiteral(": Enter does not press it while it has the focus"));
        }
    }
    return faults + unnaturalTabSteps(window, path);
}

void expectNoFaults(const QStringList &faults)
{
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void addFontSizeRows()
{
    QTest::addColumn<qreal>("pointSize");
    QTest::newRow("desktop font") << desktopPointSize;
    QTest::newRow("font one and a half times as large") << largePointSize;
}

QStringList unnamedControls(const QWidget *window)
{
    const auto isNamedKind = [](const QWidget *control) {
        if (qobject_cast<const QLineEdit *>(control)) {
            // The text part of a drop-down list or spin box is named with it.
            const QWidget *parent = control->parentWidget();
            return !qobject_cast<const QComboBox *>(parent) && !qobject_cast<const QAbstractSpinBox *>(parent);
        }
        if (qobject_cast<const QAbstractSlider *>(control)) {
            return !control->objectName().isEmpty(); // not the bars a scroll area brings along
        }
        if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
            // A picture button: the focus lands on it, and without a name it is read as a bare "button".
            return button->text().isEmpty() && (button->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        }
        if (control->inherits("QAbstractItemView") || control->inherits("QPlainTextEdit")
            || control->inherits("QTextEdit")) {
            return true;
        }
        return qobject_cast<const QComboBox *>(control) || qobject_cast<const QAbstractSpinBox *>(control);
    };
    QStringList unnamed;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (isNamedKind(control) && control->accessibleName().trimmed().isEmpty()) {
            unnamed.append(describe(control) + QStringLiteral(": no accessible name"));
        }
    }
    return unnamed;
}

QString describe(const QWidget *control)
{
    if (!control->objectName().isEmpty()) {
        return control->objectName();
    }
    QString text;
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        text = label->text();
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        text = button->text();
    } else if (const auto *frame = qobject_cast<const QGroupBox *>(control)) {
        text = frame->title();
    }
    return QString::fromLatin1(control->metaObject()->className()) + QStringLiteral(" \"") + text + QLatin1Char('"');
}

QStringList clippedTexts(const QWidget *window)
{
    QStringList faults;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisible() || control->window() != window || insideScrollArea(control, window)) {
            continue;
        }
        const auto *label = qobject_cast<const QLabel *>(control);
        const auto *button = qobject_cast<const QAbstractButton *>(control);
        const auto *frame = qobject_cast<const QGroupBox *>(control);
        if (label) {
            checkLabel(label, faults);
        } else if (button) {
            checkButton(button, faults);
        } else if (frame) {
            checkFrame(frame, faults);
        } else {
            continue;
        }
        if (const QWidget *cutter = cutBy(control, window)) {
            faults.append(describe(control) + QStringLiteral(": cut off by ") + describe(cutter));
        }
    }
    return faults;
}

QList<QWidget *> tabPath()
{
    constexpr int kLimit = 100;
    QList<QWidget *> path;
    QWidget *start = QApplication::focusWidget();
    if (!start) {
        return path;
    }
    path.append(start);
    for (int i = 0; i < kLimit; ++i) {
        QTest::keyClick(path.last(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (!now || now == start || now->window() != start->window()) {
            break;
        }
        path.append(now);
    }
    return path;
}

QStringList unnaturalTabSteps(const QWidget *window, const QList<QWidget *> &path)
{
    QStringList faults;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (takesKeyboardFocus(control, window) && !path.contains(control)) {
            faults.append(describe(control) + QStringLiteral(": not reached with Tab"));
        }
    }
    if (path.isEmpty() || path.first()->window() != window) {
        return faults;
    }
    // The round begins anywhere; read it from its top-left control.
    const auto first = std::min_element(path.begin(), path.end(), [window](const QWidget *x, const QWidget *y) {
        const QRect a = inWindow(x, window);
        const QRect b = inWindow(y, window);
        return a.top() != b.top() ? a.top() < b.top() : a.left() < b.left();
    });
    QList<QWidget *> round(first, path.end());
    round.append(QList<QWidget *>(path.begin(), first));
    for (qsizetype i = 1; i < round.size(); ++i) {
        if (!readsAfter(inWindow(round[i - 1], window), inWindow(round[i], window))) {
            faults.append(describe(round[i - 1]) + QStringLiteral(" -> ") + describe(round[i])
                + QStringLiteral(": against the reading order"));
        }
    }
    return faults;
}

QWidget *firstInput(const QWidget *window)
{
    QWidget *first = nullptr;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!takesInput(control) || !takesKeyboardFocus(control, window)) {
            continue;
        }
        if (!first) {
            first = control;
            continue;
        }
        const QRect a = inWindow(control, window);
        const QRect b = inWindow(first, window);
        if (readsAfter(a, b)) {
            first = control;
        }
    }
    return first;
}

} // namespace platform::testing
