// libFuzzer target: number text. Any bytes as a typed or read number (ReadNumber, ReadNumberStrict and the
// numeric test must agree and give finite values only), and, taken as a double and a precision, the texts the
// program shows and writes: FormatNumber and formatScientific must stand for a finite number near the value
// (never one past the largest double, never another sign), the request form must read back exactly, and the
// general text must read back.
//   Input: the whole input is a number text; when it has at least 9 bytes, bytes 0-7 are also a double
//   (any bits) and byte 8 picks the decimals (1 to 15).

#include "frontend/core/number_text.h"
#include "fuzz_checks.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

using frontend::core::NumberValue;
using frontend::fuzz::require;

namespace
{

void checkRead(std::string_view text)
{
    const auto read = frontend::core::ReadNumber(text);
    const auto strict = frontend::core::ReadNumberStrict(text);
    if (text.empty()) {
        require(read.value.kind() == NumberValue::Kind::Zero, "empty text reads as 0");
        require(strict.value.isFailed(), "empty text is refused by the strict reader");
        return;
    }
    require(strict.value.kind() == read.value.kind(), "the strict reader differs only for empty text");
    require(!read.ConversionFailed || read.value.isFailed(), "a division by zero gives the failure marker");
    require(!read.ConversionFailed || read.conversionError, "a division by zero is a conversion error");
    const bool fraction = text.find('/') != std::string_view::npos;
    if (read.value.isNumeric()) {
        const double value = read.value.toDouble();
        require(std::isfinite(value), "a number read from text is finite");
        require(strict.value.toDouble() == value || (std::isnan(value) && std::isnan(strict.value.toDouble())),
            "both readers give the same value");
        require(read.value.toText() != frontend::core::failureMarker, "a number's text is not the marker");
        if (!fraction) {
            require(read.value.kind() == NumberValue::Kind::Text, "a plain number is kept as its text");
            require(frontend::core::isNumeric(text), "a plain number passes the numeric test");
            require(frontend::core::textToDouble(text) == value, "the numeric test reads the same value");
        }
    } else if (!fraction) {
        require(!frontend::core::isNumeric(text), "a text the reader refuses fails the numeric test");
    }
    (void)frontend::core::leadingNumber(text);
}

void checkFormats(double value, std::size_t decimals)
{
    if (!std::isfinite(value)) {
        require(!frontend::fuzz::shownValue(frontend::core::FormatNumber(value, decimals)),
            "a value that is not a number is not shown as one");
        return;
    }
    frontend::fuzz::requireFaithfulDisplay(value, decimals);
    const std::string scientific = frontend::core::formatScientific(value, decimals);
    require(frontend::fuzz::shownValue(scientific).has_value(), "the exponent form reads back as a number");
    const auto request = frontend::core::textToDouble(frontend::core::formatRequestNumber(value));
    require(request.has_value() && *request == value, "a request number reads back as the same double");
    const auto general = frontend::core::textToDouble(frontend::core::generalNumberText(value));
    require(general.has_value(), "the general text reads back as a number");
    require(std::fabs(*general - value) <= std::fabs(value) * 1e-14, "the general text keeps 15 digits");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkRead(std::string_view(reinterpret_cast<const char *>(data), size));
    if (size >= 9) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        checkFormats(value, 1 + data[8] % 15);
    }
    return 0;
}
