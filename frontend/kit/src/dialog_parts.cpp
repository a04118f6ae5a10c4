#include "frontend/kit/dialog_parts.h"

#include "frontend/kit/accessible_names.h"
#include "frontend/kit/feedback.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace frontend
{

QFont fixedFont()
{
    // At the size the program's text has: a larger text chosen for the program makes its numbers larger too.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const double general = QFontDatabase::systemFont(QFontDatabase::GeneralFont).pointSizeF();
    const double shown = QApplication::font().pointSizeF();
    if (general > 0 && shown > 0 && fixed.pointSizeF() > 0) {
        fixed.setPointSizeF(fixed.pointSizeF() * shown / general);
    }
    return fixed;
}

QRadioButton *radio(const QString &text, const char *name)
{
    auto *out = new QRadioButton(text);
    out->setObjectName(QLatin1String(name));
    return out;
}

QLabel *label(const QString &text, const char *name)
{
    auto *out = new QLabel(text);
    out->setObjectName(QLatin1String(name));
    out->setWordWrap(true);
    return out;
}

QLabel *caption(const QString &text, const char *name)
{
    auto *out = new QLabel(text);
    out->setObjectName(QLatin1String(name));
    out->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return out;
}

QLabel *captionFor(const QString &text, const char *name, QWidget *control)
{
    QLabel *out = caption(text, name);
    names::nameAfter(control, out);
    return out;
}

QPushButton *button(const QString &text, const char *name, const QString &tip)
{
    auto *out = new QPushButton(text);
    out->setObjectName(QLatin1String(name));
    // Else Enter on a focused Cancel would press the window's default button (OK), or do nothing at all.
    out->setAutoDefault(true);
    out->setToolTip(tip);
    return out;
}

void setMainAction(QDialog *dialog, const char *name)
{
    for (QPushButton *each : dialog->findChildren<QPushButton *>()) {
        each->setAutoDefault(true);
    }
    dialog->findChild<QPushButton *>(QLatin1String(name))->setDefault(true);
}

QGroupBox *frame(const QString &title, const char *name)
{
    auto *group = new QGroupBox(title);
    group->setObjectName(QLatin1String(name));
    return group;
}

QLineEdit *numberBox(const char *name, const QString &text)
{
    auto *box = new QLineEdit(text);
    box->setObjectName(QLatin1String(name));
    makeNumberBox(box);
    return box;
}

QLineEdit *display(const char *name, bool fixedPitch)
{
    auto *box = new QLineEdit;
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    if (fixedPitch) {
        box->setFont(fixedFont());
    }
    return box;
}

QLineEdit *numberDisplay(const char *name)
{
    QLineEdit *box = display(name);
    // The widest text a formatted number has: a sign, fifteen significant digits, the point and a three-digit
    // exponent. A line edit's size hint holds 17 'x' besides its frame and margins; the longest text replaces them.
    const QFontMetrics metrics(box->font());
    const int extra = metrics.horizontalAdvance(QStringLiteral("-8.88888888888888E-308"))
        - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    box->setMinimumWidth(box->sizeHint().width() + std::max(extra, 0) + 2); // and the caret's pixel or two
    return box;
}

void showText(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

QBoxLayout *row(std::initializer_list<QWidget *> widgets)
{
    auto *layout = new QHBoxLayout;
    for (QWidget *widget : widgets) {
        layout->addWidget(widget);
    }
    return layout;
}

} // namespace frontend
