#pragma once
// What the engine printed, with its line breaks taken out, so a test can look for a whole message.

#include <string>

namespace engine_test
{

/// Joins continuation lines (" ***" and nine blanks) back into the line they continue.
inline std::string unwrapped(std::string text)
{
    const std::string continuation = "\n ***          ";
    for (std::size_t at = text.find(continuation); at != std::string::npos; at = text.find(continuation, at)) {
        text.replace(at, continuation.size(), " ");
    }
    return text;
}

} // namespace engine_test
