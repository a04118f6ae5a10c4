#include "tool_window.h"

#include "frontend/dialog_parts.h"
#include "frontend/feedback.h"
#include "frontend/messages.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tools::analysis::ui
{

QFont fixedFont()
{
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

QGroupBox *frame(const char *name, const QString &title)
{
    auto *group = new QGroupBox(title);
    group->setObjectName(QLatin1String(name));
    return group;
}

QLabel *label(const QString &name, const QString &text)
{
    return frontend::label(text, qPrintable(name));
}

QLineEdit *numberBox(const char *name, const QString &text)
{
    auto *box = new QLineEdit(text);
    box->setObjectName(QLatin1String(name));
    frontend::makeNumberBox(box);
    return box;
}

QLineEdit *display(const char *name, bool fixedPitch)
{
    auto *box = new QLineEdit;
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    if (fixedPitch) {
        box->setFont(fixedFont());
    }
    return box;
}

QPushButton *button(const char *name, const QString &caption, const QString &tip)
{
    QPushButton *out = frontend::button(caption, name);
    out->setToolTip(tip);
    return out;
}

QBoxLayout *row(std::initializer_list<QWidget *> widgets)
{
    auto *layout = new QHBoxLayout;
    for (QWidget *widget : widgets) {
        layout->addWidget(widget);
    }
    return layout;
}

void refuse(platform::MessageService &messages,
    QWidget *owner,
    QLineEdit *box,
    const platform::Message &message,
    bool divisionByZero)
{
    if (divisionByZero) {
        messages.show(frontend::msg::divisionByZero(), owner);
    }
    box->setFocus();
    messages.show(message, owner);
}

bool acceptLimits(platform::MessageService &messages,
    QWidget *owner,
    QLineEdit *first,
    QLineEdit *second,
    const LimitsRequest &request,
    const LimitsMessages &told)
{
    QLineEdit *const boxes[] = { first, second };
    for (const std::size_t zeroed : request.zeroed) {
        boxes[zeroed]->setText(QStringLiteral("0"));
    }
    QLineEdit *focus = boxes[request.focus];
    switch (request.problem) {
    case LimitsProblem::Input:
        refuse(messages, owner, focus, told.input, request.ConversionFailed);
        return false;
    case LimitsProblem::SecondNotGreater:
        refuse(messages, owner, focus, told.secondNotGreater);
        return false;
    case LimitsProblem::SameValues:
        refuse(messages, owner, focus, told.sameValues);
        return false;
    case LimitsProblem::None:
        break;
    }
    return true;
}

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Let the cursor change show before the work blocks the event loop; user input waits.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}

platform::Message unexpectedError()
{
    return frontend::msg::unexpectedError();
}

} // namespace tools::analysis::ui
