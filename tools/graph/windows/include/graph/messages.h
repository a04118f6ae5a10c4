#pragma once
// Every fixed message of the graph windows, in one place to be read against the texts they must match
// word for word.

#include "graph/core/parameters.h"
#include "platform/message_service.h"

#include <QString>

namespace tools::graph::msg
{

/// The message for a refused parameter entry (none for ParameterFault::None).
platform::Message forFault(core::ParameterFault fault);

platform::Message parametersInputError();
platform::Message graphCoordinate(const QString &coordinates);
platform::Message zoomHelp();

} // namespace tools::graph::msg
