#pragma once
// Every fixed text the cubic solver shows, verbatim; the quartic solver shows the same ones except where
// its own catalogue says otherwise.

#include "cubic/solver.h"
#include "platform/message_service.h"

#include <QString>

namespace cubic::texts
{

QString WindowTitle();
QString EquationEntry();
QString EnterPrompt();
QString XCubedPlus();
QString XSquaredPlus();
QString XPlus();
QString EqualsZero();
QString CoefficientForms();
QString Roots();
QString XEquals();
QString StartCaption(); ///< with "&" before the access key
QString FixCaption(); ///< with "&" before the access key
QString Caption(Nature nature); ///< the natures a cubic solve can have
QString Solve();
QString SolveTip();
QString Copy();
QString CopyTip();
QString Clear();
QString ClearTip();
QString About();
QStringList AboutLines();
QString SupportAddress();
QString EmailTip();

platform::Message DivisionByZero();
platform::Message InputError();
platform::Message ClearQuestion();
platform::Message Copied();

} // namespace cubic::texts
