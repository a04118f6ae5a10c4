#pragma once
// VT_Pellicor: stands where the linear-systems solver once was, says so in one message, and ends.

#include "platform/message_service.h"

namespace notice
{

/// The one message, verbatim.
platform::Message NoLongerAvailable();

/// All the program does on start: shows the message and returns the exit code once it is closed
/// (by OK, the close box or Escape alike). No window is ever shown.
int Form_Load(platform::MessageService &messages);

} // namespace notice
