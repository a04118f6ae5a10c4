#pragma once
// The solver's start: one copy per user. A second launch shows the running copy's window and ends; a start
// that cannot take the lock says why instead of ending without a word.

#include "platform/message_service.h"
#include "platform/single_instance.h"

namespace frontend
{

/// The message telling why the program cannot start (`start` is not Only or Shown).
platform::Message cannotStart(platform::InstanceStart start, const platform::SingleInstance &instance);

/// How the start went: Only when this copy is to run. Otherwise the running copy was asked to show itself
/// (Shown), or a message said why the program cannot start: the program ends.
platform::InstanceStart claimRun(platform::SingleInstance &instance, platform::MessageService &messages);

} // namespace frontend
