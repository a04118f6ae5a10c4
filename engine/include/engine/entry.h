#pragma once
// The engine library's one export, and the request handling behind it.
//
// The solver writes a request file, calls VX_KOVALIN(), and reads the answer file. Both files live in the
// exchange directory (platform/exchange_files.h). A request that cannot be read, or a computation stopped by
// a terminal error, leaves the answer file empty; the caller's process always goes on.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#if defined(_WIN32)
#define KOVALIN_EXPORT __declspec(dllexport)
#else
#define KOVALIN_EXPORT __attribute__((visibility("default")))
#endif

extern "C" KOVALIN_EXPORT std::int32_t VX_KOVALIN(void);

namespace engine
{

class ErrorService;

enum class RequestOutcome {
    Answered, // answer lines written
    UnknownCommand, // a letter other than "S" and "L": nothing read or written
    UnknownType, // "S" with a type other than "R" and "C": nothing written
    Unreadable, // missing, short, or a value of the wrong type
    Stopped, // a terminal error in a solver (printed by the error service)
};

/// One call of the export: reads the request file, handles it, writes the answer file.
void serveExchange();

/// Handles one request given as the text of the request file; appends the answer lines to `answer` only when
/// the whole request succeeded. Messages go to the error service's output.
RequestOutcome handleRequest(std::string_view request, std::string &answer, ErrorService &errors);

} // namespace engine
