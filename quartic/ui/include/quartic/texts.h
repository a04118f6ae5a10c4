#pragma once
// The fixed texts in which the quartic solver differs from the cubic solver (cubic/texts.h), verbatim.

#include "cubic/solver.h"
#include "platform/message_service.h"

#include <QString>

namespace quartic::texts
{

QString WindowTitle();
QString EnterPrompt();
QString XPlusAroundExponent(); ///< "x  +": the exponent label sits between the two blanks
QString Exponent();
QString Caption(cubic::Nature nature); ///< every nature a quartic solve can have
platform::Message InputError();

} // namespace quartic::texts
