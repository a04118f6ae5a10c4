#pragma once
// Every fixed message of the graph windows, in one place to be read against the texts they must match
// word for word.

#include "graph/core/parameters.h"
#include "platform/file_dialogs.h"
#include "platform/message_service.h"

#include <QString>

namespace tools::graph::msg
{

/// The message for a refused parameter entry (none for ParameterFault::None).
platform::Message forFault(core::ParameterFault fault);

platform::Message parametersInputError();
platform::Message graphCoordinate(const QString &coordinates);
platform::Message zoomHelp();

/// The save dialog of the picture: PNG, SVG or PDF.
platform::FileDialogRequest saveGraph();
platform::Message graphNotSaved(const QString &path);
platform::Message graphNotPrinted();

} // namespace tools::graph::msg
