#pragma once
// Running a request through the engine library from a window: the one call, the pending window events
// after it, and the unexpected-error message when the exchange fails.

#include "frontend/core/engine_exchange.h"
#include "platform/services.h"

#include <QString>

class QWidget;

namespace platform
{
class EngineLibrary;
}

namespace frontend
{

/// The engine call of an exchange: calls the library, then lets pending window events run (painting and
/// timers; not the user's input, so no action can start in the middle of another).
core::EngineCall engineCall(platform::EngineLibrary &engine);

/// Tells the unexpected-error message over `owner` when `fault` is one; true when there was none.
bool tellExchangeFault(platform::MessageService &messages, QWidget *owner, core::ExchangeFault fault);

/// Measures the arc length of the checked real equation from x1 to x2 through the engine. A failed exchange
/// is told with the unexpected-error message over `owner`. Returns the text for the arc-length result window:
/// the length formatted to `decimals`, or "Error: Input Too Large" when no length could be read or it reads
/// as 0.
QString runLengthRequest(const core::Equation &equation,
    double x1,
    double x2,
    std::size_t decimals,
    const platform::Services &services,
    QWidget *owner);

} // namespace frontend
