// libFuzzer target: any bytes as a request file. The engine must answer or refuse, never crash, hang or
// leak, and must write answer lines only for a request it could read completely.

#include "engine/entry.h"
#include "engine/error_service.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::ostringstream printed;
    engine::ErrorService errors(printed);
    std::string answer;
    const auto outcome =
        engine::handleRequest(std::string_view(reinterpret_cast<const char *>(data), size), answer, errors);
    if (outcome != engine::RequestOutcome::Answered && !answer.empty()) {
        __builtin_trap(); // answer lines from a request that was not answered
    }
    if (errors.level() != 1) {
        __builtin_trap(); // the error service must be ready for the next call
    }
    return 0;
}
