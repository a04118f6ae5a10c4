#include "frontend/kit/engine_requests.h"

#include "frontend/kit/feedback.h"
#include "frontend/kit/messages.h"
#include "frontend/kit/qt_text.h"
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
    tellUnexpected(messages, owner);
    return false;
}

QString runLengthRequest(const core::Equation &equation,
    double x1,
    double x2,
    std::size_t decimals,
    const platform::Services &services,
    QWidget *owner)
{
    const core::LengthResult result = core::WriteLengthRequest(equation, x1, x2, decimals, engineCall(services.engine));
    tellExchangeFault(services.messages, owner, result.fault);
    return core::lengthTooLarge(result) ? msg::inputTooLarge() : toQt(*result.length);
}

} // namespace frontend
