#pragma once
// Every fixed message of the analysis tools, in one place to be read against the texts they must match
// word for word. Messages shared with the rest of the solver (overflow, division by zero, unexpected error)
// come from the kit's catalogue.

#include "platform/file_dialogs.h"
#include "platform/message_service.h"

namespace tools::analysis::msg
{

// evaluation
platform::Message evaluateInputError();

// table of values
platform::Message tableWholeNumbers();
platform::Message tableLastNotGreater();
platform::Message tableInputError();
/// Copy of the table: the scratch file could not be created in `folder`.
platform::Message tableCopyScratchFailed(const QString &folder);
platform::Message tableTotalNotPositive();
platform::Message tableZeroInterval();
platform::Message tableTooManyValues();
/// The save dialog of the table as CSV.
platform::FileDialogRequest saveTable();
platform::Message tableNotSaved(const QString &path);

// derivative and integral
platform::Message diffInputError();
platform::Message integInputError();
platform::Message integFirstMissing();
platform::Message integSecondMissing();
platform::Message integSecondNotGreater();
platform::Message integSameValues();
platform::FileDialogRequest saveDerivative();
platform::FileDialogRequest saveIntegral();
platform::Message saveFailed(const QString &path);

// arc length
platform::Message lengthInputError();
platform::Message lengthSecondNotGreater();
platform::Message lengthSameValues();

} // namespace tools::analysis::msg
