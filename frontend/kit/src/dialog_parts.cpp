#include "frontend/kit/dialog_parts.h"

#include "frontend/kit/accessible_names.h"
#include "frontend/kit/feedback.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

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

QBoxLayout *row(std::initializer_list<QWidget *> widgets)
{
    auto *layout = new QHBoxLayout;
    for (QWidget *widget : widgets) {
        layout->addWidget(widget);
    }
    return layout;
}

} // namespace frontend
