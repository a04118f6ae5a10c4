// The one place the command-line program reads number text: the desktop solver's reader, so that a file means
// the same number in both programs.

#include "cli/coefficient_input.h"
#include "frontend/core/number_text.h"

namespace cli
{

NumberRead ReadCoefficientNumber(std::string_view text)
{
    if (text.empty()) {
        return { 0.0, "an empty number" };
    }
    const frontend::core::ReadOutcome read = frontend::core::ReadNumber(text);
    if (read.ConversionFailed) {
        return { 0.0, "a division by zero" };
    }
    if (read.value.isFailed()) {
        return { 0.0, "not a number" };
    }
    return { read.value.toDouble(), nullptr };
}

} // namespace cli
