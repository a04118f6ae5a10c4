#pragma once
// Every fixed message of the solver's front end, in one place to be read against the texts they must
// match word for word.

#include "frontend/core/notice.h"
#include "frontend/core/text_file.h"
#include "platform/file_dialogs.h"
#include "platform/message_service.h"

#include <QString>

namespace frontend::msg
{

/// The message for a check's notice.
platform::Message forNotice(core::Notice notice);

/// The common input-error message (the three number forms) with its own first line.
platform::Message inputErrorFor(const char *firstLine);
platform::Message divisionByZero();
platform::Message complexCoefficients();
platform::Message unexpectedError();

// solving and the engine exchange
/// The arc-length result when the engine gave no usable length.
QString inputTooLarge();
platform::Message unableToSolve();
/// The scratch file of Copy could not be created in `folder`: the results window's copy.
platform::Message copyScratchFailed(const QString &folder);
/// The same for any window that copies through the scratch file: `what` is what could not be copied
/// ("The table of values"), `title` the message's title.
platform::Message copyScratchFailed(const QString &what, const QString &title, const QString &folder);

// equation creator
platform::Message creatorOverflow();
platform::Message confirmCloseCreator();
platform::Message saveCreatedFailed(const QString &path);

// main window
platform::Message confirmClear();
platform::Message confirmExit();
platform::Message confirmNew();
platform::Message confirmOpen();
platform::Message fileUnusable(const QString &path, core::LoadProblem problem);
platform::Message saveFailed(const QString &path);

// new-equation dialog
platform::Message coefficientsFileInstructions();
platform::Message rootsFileInstructions();
platform::Message selectDegree();
platform::Message selectEquationFile();
platform::Message selectNumberOfRoots();
platform::Message selectRootsFile();
platform::Message leadingCoefficientNotNumeric();
platform::Message leadingCoefficientZero();

// file dialogs
/// "Text Files (*.txt)", then all files.
QString textFileFilter();
platform::FileDialogRequest openCoefficientsFile();
platform::FileDialogRequest openRootsFile();
platform::FileDialogRequest saveCoefficientsFile();
platform::FileDialogRequest saveCreatedFile();

} // namespace frontend::msg
