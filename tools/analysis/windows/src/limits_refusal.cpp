#include "limits_refusal.h"

#include "frontend/kit/feedback.h"

#include <QLineEdit>

namespace tools::analysis::ui
{

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
        frontend::refuse(messages, owner, focus, told.input, request.ConversionFailed);
        return false;
    case LimitsProblem::SecondNotGreater:
        frontend::refuse(messages, owner, focus, told.secondNotGreater);
        return false;
    case LimitsProblem::SameValues:
        frontend::refuse(messages, owner, focus, told.sameValues);
        return false;
    case LimitsProblem::None:
        break;
    }
    return true;
}

} // namespace tools::analysis::ui
