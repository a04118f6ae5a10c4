#pragma once
// The fixed messages of the solver's own windows (main window, new-equation dialog, creator), in one place
// to be read against the texts they must match word for word. Those the tools share are in the kit's
// catalogue (frontend/kit/messages.h).

#include "frontend/core/text_file.h"
#include "frontend/kit/messages.h"
#include "platform/file_dialogs.h"

#include <QString>

namespace frontend::msg
{

platform::Message complexCoefficients();

// solving
platform::Message unableToSolve();
/// The roots with their accuracy could not be saved to `path`.
platform::Message rootsNotSaved(const QString &path);
/// The picture of the roots could not be saved to `path`.
platform::Message pictureNotSaved(const QString &path);

// equation creator
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
platform::FileDialogRequest openCoefficientsFile();
platform::FileDialogRequest openRootsFile();
platform::FileDialogRequest saveCoefficientsFile();
platform::FileDialogRequest saveCreatedFile();
/// The roots with their accuracy as CSV; a name typed without a suffix gets ".csv".
platform::FileDialogRequest saveRootsCsv();

} // namespace frontend::msg
