#include "cubic/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace cubic
{
namespace
{

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Skips a run of digits from `pos`; returns how many there were.
std::size_t skipDigits(std::string_view text, std::size_t &pos)
{
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return pos - start;
}

// True when `text` (already without blanks and sign) is digits with an optional point and exponent.
bool isUnsignedNumber(std::string_view text)
{
    std::size_t pos = 0;
    std::size_t digits = skipDigits(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        digits += skipDigits(text, pos);
    }
    if (digits == 0) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        if (skipDigits(text, pos) == 0) {
            return false;
        }
    }
    return pos == text.size();
}

// For a number that is out of a double's range: true when it is too large (rather than too small).
bool isTooLarge(std::string_view number)
{
    long exponent = 0;
    const std::size_t e = number.find_first_of("Ee");
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        if (!digits.empty() && digits.front() == '+') {
            digits.remove_prefix(1);
        }
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec != std::errc()) {
            return digits.front() != '-'; // an exponent beyond long's range decides by its sign alone
        }
    }
    // Position of the first significant digit relative to the point decides the magnitude.
    const std::string_view mantissa = number.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return false;
    }
    const long lead = first < point ? static_cast<long>(point - first) : -static_cast<long>(first - point) + 1;
    return lead + exponent > 0;
}

} // namespace

std::optional<double> ReadPlainNumber(std::string_view text)
{
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!isUnsignedNumber(text)) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (isTooLarge(text)) {
            return std::nullopt;
        }
        value = 0;
    } else if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

double ReadBack(std::string_view shown)
{
    return ReadPlainNumber(shown).value_or(0.0);
}

Reading FracToDec(std::string_view FractionArg, ZeroDenominator rule)
{
    Reading reading;
    if (FractionArg.empty()) {
        return reading;
    }
    const std::size_t slash = FractionArg.find('/');
    if (slash == std::string_view::npos) {
        const std::optional<double> value = ReadPlainNumber(FractionArg);
        reading.StringError = !value;
        reading.value = value.value_or(0.0);
        return reading;
    }
    // The denominator is read first: a zero there is reported without looking at the numerator.
    const std::optional<double> denominator = ReadPlainNumber(FractionArg.substr(slash + 1));
    if (denominator && *denominator == 0) {
        reading.DivisionByZero = true;
        reading.StringError = rule == ZeroDenominator::Refuse;
        return reading;
    }
    const std::optional<double> numerator = ReadPlainNumber(FractionArg.substr(0, slash));
    if (!denominator || !numerator) {
        reading.StringError = true;
        return reading;
    }
    const double quotient = *numerator / *denominator;
    reading.StringError = !std::isfinite(quotient);
    reading.value = reading.StringError ? 0.0 : quotient;
    return reading;
}

namespace
{

// Adds one unit in the last place of a string of decimal digits.
void incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The value's 15 significant digits, and the power of ten of the first one.
struct Significand {
    std::string digits;
    int exponent = 0;
};

Significand significandOf(double magnitude)
{
    char buffer[40];
    const auto result =
        std::to_chars(std::begin(buffer), std::end(buffer), magnitude, std::chars_format::scientific, 14);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    Significand significand;
    significand.digits.reserve(15);
    for (const char c : text.substr(0, e)) {
        if (c != '.') {
            significand.digits.push_back(c);
        }
    }
    std::string_view exponent = text.substr(e + 1);
    if (exponent.front() == '+') {
        exponent.remove_prefix(1);
    }
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), significand.exponent);
    return significand;
}

} // namespace

std::optional<std::string> FormatNum(double AnswerT, int decimals)
{
    constexpr double kRangeLimit = 79228162514264337593543950336.0; // 2^96
    if (!std::isfinite(AnswerT) || std::fabs(AnswerT) >= kRangeLimit) {
        return std::nullopt;
    }
    if (AnswerT == 0) {
        return std::string("0");
    }
    const Significand significand = significandOf(std::fabs(AnswerT));
    // `scaled` holds the value times 10^decimals, rounded half away from zero to a whole number.
    const int kept = significand.exponent + 1 + decimals;
    std::string scaled;
    if (kept >= static_cast<int>(significand.digits.size())) {
        scaled = significand.digits + std::string(static_cast<std::size_t>(kept) - significand.digits.size(), '0');
    } else if (kept >= 0) {
        scaled = significand.digits.substr(0, static_cast<std::size_t>(kept));
        if (significand.digits[static_cast<std::size_t>(kept)] >= '5') {
            incrementDigits(scaled);
        }
    }
    if (scaled.find_first_not_of('0') == std::string::npos) {
        return std::string("0"); // a value that rounds to zero is shown unsigned
    }
    const auto width = static_cast<std::size_t>(decimals) + 1;
    if (scaled.size() < width) {
        scaled.insert(0, width - scaled.size(), '0');
    }
    std::string whole = scaled.substr(0, scaled.size() - static_cast<std::size_t>(decimals));
    std::string fraction = scaled.substr(whole.size());
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    std::string shown = AnswerT < 0 ? "-" + whole : whole;
    if (!fraction.empty()) {
        shown += '.' + fraction;
    }
    return shown;
}

} // namespace cubic
