#include "frontend/engine_requests.h"

#include "frontend/messages.h"
#include "frontend/qt_text.h"
#include "platform/engine_library.h"
#include "platform/message_service.h"

#include <QCoreApplication>

namespace frontend
{

core::EngineCall engineCall(platform::EngineLibrary &engine)
{
    return [&engine] {
        const bool called = engine.call();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return called;
    };
}

bool tellExchangeFault(platform::MessageService &messages, QWidget *owner, core::ExchangeFault fault)
{
    if (fault == core::ExchangeFault::None) {
        return true;
    }
    messages.show(msg::unexpectedError(), owner);
    return false;
}

QString RunLengthRequest(
    const core::KovalinState &state, double x1, double x2, const platform::Services &services, QWidget *owner)
{
    const core::LengthResult result = core::WriteLengthRequest(state, x1, x2, engineCall(services.engine));
    tellExchangeFault(services.messages, owner, result.fault);
    return core::LengthTooLarge(result.length) ? msg::inputTooLarge() : toQt(*result.length);
}

} // namespace frontend
