#pragma once
// The create choice of the new-equation dialog and of the creator's own dialog: what OK checks before the
// roots window opens, and what it puts into the creator's request.

#include "frontend/core/state.h"
#include "frontend/panels.h"

class QWidget;

namespace platform
{
class MessageService;
}

namespace frontend
{

/// Typed roots: a number of roots must be chosen and the leading coefficient must be a number other than
/// 0 + 0i. Each fault is told over `owner` and its box gets the focus (false); otherwise the creator's
/// request holds the number of roots and the leading coefficient.
bool requestTypedRoots(
    core::KovalinState &state, platform::MessageService &messages, QWidget *owner, const RootsProgramPanel &panel);

/// Roots from a file: a file must be chosen (false otherwise, told over `owner`). The file is read into the
/// creator's request and its faults told; the roots window opens even for a faulty file, marked.
bool requestRootsFile(
    core::KovalinState &state, platform::MessageService &messages, QWidget *owner, const FileChooser &chooser);

} // namespace frontend
