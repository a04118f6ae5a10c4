#include "frontend/core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace frontend::core
{
namespace
{

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

/// The pieces of a plain number text, as the numeric test sees them.
struct NumberParts {
    bool negative = false;
    std::string_view integer; // digits before the point
    std::string_view fraction; // digits after the point
    long exponent = 0; // saturated
};

std::size_t skipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

/// Reads an exponent ("E-5") at `pos`; returns the position after it, or `pos` when there is none.
std::size_t readExponent(std::string_view text, std::size_t pos, long &exponent)
{
    if (pos >= text.size() || (text[pos] != 'E' && text[pos] != 'e')) {
        return pos;
    }
    std::size_t at = pos + 1;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::size_t digitsEnd = skipDigits(text, at);
    if (digitsEnd == at) {
        return pos;
    }
    long value = 0;
    for (std::size_t i = at; i < digitsEnd; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), 100000L); // far beyond any double exponent
    }
    exponent = negative ? -value : value;
    return digitsEnd;
}

/// Reads the longest number at the start of `text` (no blanks); returns its length, 0 for none.
std::size_t readNumberPrefix(std::string_view text, NumberParts &parts)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        parts.negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t intEnd = skipDigits(text, pos);
    parts.integer = text.substr(pos, intEnd - pos);
    pos = intEnd;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fracEnd = skipDigits(text, pos + 1);
        parts.fraction = text.substr(pos + 1, fracEnd - pos - 1);
        pos = fracEnd;
    }
    if (parts.integer.empty() && parts.fraction.empty()) {
        return 0;
    }
    return readExponent(text, pos, parts.exponent);
}

std::string_view trimView(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

/// The value of parsed parts; out-of-range magnitudes give infinity (too large) or zero (too small).
double partsValue(const NumberParts &parts)
{
    std::string text;
    text.reserve(parts.integer.size() + parts.fraction.size() + 16);
    text.append(parts.integer.empty() ? std::string_view("0") : parts.integer);
    text.push_back('.');
    text.append(parts.fraction);
    text.push_back('e');
    text.append(std::to_string(parts.exponent));
    double magnitude = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        // Where the first significant digit stands decides between overflow and underflow.
        const std::string digits = std::string(parts.integer) + std::string(parts.fraction);
        const auto first = static_cast<long>(digits.find_first_not_of('0'));
        const long leadingPower = static_cast<long>(parts.integer.size()) - 1 - first + parts.exponent;
        magnitude = leadingPower > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return parts.negative ? -magnitude : magnitude;
}

/// A non-negative decimal as digit strings.
struct Decimal {
    std::string integer;
    std::string fraction;
};

/// Adds one unit in the last place of a digit string; returns true when it grew by a digit.
bool incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

/// Keeps `decimals` fraction digits, rounding half away from zero.
void roundHalfUp(Decimal &decimal, std::size_t decimals)
{
    if (decimal.fraction.size() <= decimals) {
        return;
    }
    const bool up = decimal.fraction[decimals] >= '5';
    decimal.fraction.resize(decimals);
    if (!up) {
        return;
    }
    std::string digits = decimal.integer + decimal.fraction;
    incrementDigits(digits);
    decimal.integer = digits.substr(0, digits.size() - decimals);
    decimal.fraction = digits.substr(digits.size() - decimals);
}

/// The significant digits and decimal exponent of a positive value, 15 digits as the general text has.
struct Significant {
    std::string digits;
    int exponent = 0;
};

/// The first `count` significant digits of a positive value, rounded to nearest.
Significant roundedDigits(double magnitude, int count)
{
    std::array<char, 64> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::scientific, count - 1);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    Significant out;
    out.digits = std::string(1, text[0]);
    if (e > 2) {
        out.digits += text.substr(2, e - 2); // the digits after the point
    }
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), out.exponent);
    return out;
}

/// True when the digits stand for more than the largest double (they then read back as no number at all).
bool pastLargest(const Significant &s)
{
    const std::string largest = "17976931348623157"; // DBL_MAX = 1.7976931348623157E+308
    return s.exponent > 308 || (s.exponent == 308 && s.digits > largest.substr(0, s.digits.size()));
}

/// The value's 15 significant digits, as the general text has them. Near the largest double, rounding to 15
/// digits can pass it (1.79769313486232E+308 is no double): there the 16th and later digits are cut off.
Significant significant(double magnitude)
{
    Significant out = roundedDigits(magnitude, 15);
    if (pastLargest(out)) {
        out = roundedDigits(magnitude, 17);
        out.digits.resize(15);
    }
    return out;
}

/// The value's 15 significant digits laid out as integer and fraction digits.
Decimal significantDecimal(double magnitude)
{
    const Significant s = significant(magnitude);
    if (s.exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(s.exponent) + 1;
        std::string digits = s.digits;
        if (digits.size() < integerDigits) {
            digits.append(integerDigits - digits.size(), '0');
        }
        return { digits.substr(0, integerDigits), digits.substr(integerDigits) };
    }
    return { "0", std::string(static_cast<std::size_t>(-s.exponent - 1), '0') + s.digits };
}

void dropTrailingZeros(std::string &digits)
{
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
}

bool allZero(const Decimal &decimal)
{
    const auto zero = [](char c) {
        return c == '0';
    };
    return std::all_of(decimal.integer.begin(), decimal.integer.end(), zero)
        && std::all_of(decimal.fraction.begin(), decimal.fraction.end(), zero);
}

std::string grouped(const std::string &integer)
{
    std::string out;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) {
            out.push_back(',');
        }
        out.push_back(integer[i]);
    }
    return out;
}

/// Integer digits, a point that always stays, the fraction without trailing zeros; no "-0".
std::string withPoint(bool negative, Decimal decimal, bool group)
{
    dropTrailingZeros(decimal.fraction);
    const bool minus = negative && !allZero(decimal);
    return (minus ? "-" : "") + (group ? grouped(decimal.integer) : decimal.integer) + "." + decimal.fraction;
}

/// Keeps `decimals` digits after the first, rounding half up or cutting the rest off.
Significant keptDigits(Significant s, std::size_t decimals, bool rounded)
{
    if (s.digits.size() > decimals + 1) {
        const bool up = rounded && s.digits[decimals + 1] >= '5';
        s.digits.resize(decimals + 1);
        if (up && incrementDigits(s.digits)) { // 9.99 rounded to 10.0: one more power of ten
            s.digits.pop_back();
            ++s.exponent;
        }
    }
    return s;
}

std::string exponentText(bool negative, const Significant &s)
{
    std::string fraction = s.digits.substr(1);
    dropTrailingZeros(fraction);
    const std::string power = std::to_string(std::abs(s.exponent));
    return std::string(negative ? "-" : "") + s.digits[0] + "." + fraction + "E" + (s.exponent < 0 ? "-" : "+")
        + (power.size() < 2 ? "0" : "") + power;
}

/// "#,#0." + decimals "#" + "E+00": one integer digit in the mantissa, the point always stays. A mantissa
/// rounded up past the largest double (1.8E+308 for 1.77E+308 at one decimal) would read back as no number
/// at all, so there the digits are cut off instead: the text always stands for a finite number near the value.
std::string scientificPattern(double value, std::size_t decimals)
{
    const Significant s = significant(std::fabs(value));
    const std::string rounded = exponentText(value < 0, keptDigits(s, decimals, true));
    if (textToDouble(rounded)) {
        return rounded;
    }
    return exponentText(value < 0, keptDigits(s, decimals, false));
}

std::string nonFiniteText(double value)
{
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Infinity" : "Infinity";
}

} // namespace

NumberValue NumberValue::number(double value)
{
    NumberValue v;
    v.m_kind = Kind::Number;
    v.m_number = value;
    return v;
}

NumberValue NumberValue::zero()
{
    NumberValue v;
    v.m_kind = Kind::Zero;
    return v;
}

NumberValue NumberValue::text(std::string text, double value)
{
    NumberValue v;
    v.m_kind = Kind::Text;
    v.m_text = std::move(text);
    v.m_number = value;
    return v;
}

NumberValue NumberValue::failed()
{
    return {};
}

bool NumberValue::readsAsZero() const
{
    switch (m_kind) {
    case Kind::Number:
        return m_number == 0.0;
    case Kind::Zero:
        return true;
    case Kind::Text:
        return m_text == "0";
    case Kind::Failed:
        break;
    }
    return false;
}

double NumberValue::toDouble() const
{
    switch (m_kind) {
    case Kind::Number:
    case Kind::Text:
        return m_number;
    case Kind::Zero:
        return 0.0;
    case Kind::Failed:
        break;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

std::string NumberValue::toText() const
{
    switch (m_kind) {
    case Kind::Number:
        return generalNumberText(m_number);
    case Kind::Zero:
        return "0";
    case Kind::Text:
        return m_text;
    case Kind::Failed:
        break;
    }
    return std::string(failureMarker);
}

std::optional<double> textToDouble(std::string_view text)
{
    const std::string_view core = trimView(text);
    NumberParts parts;
    if (core.empty() || readNumberPrefix(core, parts) != core.size()) {
        return std::nullopt;
    }
    const double value = partsValue(parts);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool isNumeric(std::string_view text)
{
    return textToDouble(text).has_value();
}

double leadingNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    NumberParts parts;
    if (readNumberPrefix(text, parts) == 0) {
        return 0.0;
    }
    return partsValue(parts);
}

ReadOutcome ReadNumber(std::string_view text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        if (text.empty()) {
            return { NumberValue::zero() };
        }
        const auto value = textToDouble(text);
        return { value ? NumberValue::text(std::string(text), *value) : NumberValue::failed() };
    }
    const auto numerator = textToDouble(text.substr(0, slash));
    const auto denominator = numerator ? textToDouble(text.substr(slash + 1)) : std::nullopt;
    if (!numerator || !denominator) {
        return { NumberValue::failed(), false, true };
    }
    if (*denominator == 0.0) {
        return { NumberValue::failed(), true, true };
    }
    const double quotient = *numerator / *denominator;
    if (!std::isfinite(quotient)) {
        return { NumberValue::failed(), false, true };
    }
    return { NumberValue::number(quotient) };
}

ReadOutcome ReadNumberStrict(std::string_view text)
{
    if (text.empty()) {
        return { NumberValue::failed() };
    }
    return ReadNumber(text);
}

std::string generalNumberText(double value)
{
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    if (value == 0.0) {
        return "0";
    }
    std::array<char, 64> buffer {};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');
    if (pastLargest(roundedDigits(std::fabs(value), 15))) {
        // Rounded to 15 digits the value passes the largest double: its digits cut off instead.
        Significant s = significant(std::fabs(value));
        dropTrailingZeros(s.digits);
        const std::string fraction = s.digits.substr(1);
        return std::string(value < 0 ? "-" : "") + s.digits[0] + (fraction.empty() ? "" : "." + fraction) + "E+"
            + std::to_string(s.exponent);
    }
    return text;
}

std::string FormatNumber(double value, std::size_t decimals)
{
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    if (generalNumberText(value).find('E') != std::string::npos) {
        return scientificPattern(value, decimals);
    }
    Decimal decimal = significantDecimal(std::fabs(value));
    roundHalfUp(decimal, decimals);
    std::string text = withPoint(value < 0, std::move(decimal), true);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string formatScientific(double value, std::size_t decimals)
{
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    return scientificPattern(value, decimals);
}

std::string formatRequestNumber(double value)
{
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    // The pattern "0.###################": the value's exact decimal expansion rounded to 19 decimals. A double
    // m 2^e (m in [1/2, 1), 53 bits) has at most 53 - e binary fraction digits, and each takes one decimal: so many
    // decimals hold it exactly (1074 hold every double).
    int exponent = 0;
    std::frexp(value, &exponent);
    const int decimals = std::clamp(53 - exponent, 1, 1074);
    std::array<char, 1500> buffer;
    const auto exact = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), std::fabs(value), std::chars_format::fixed, decimals);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(exact.ptr - buffer.data()));
    const std::size_t point = text.find('.');
    Decimal decimal { std::string(text.substr(0, point)), std::string(text.substr(point + 1)) };
    roundHalfUp(decimal, 19);
    std::string patterned = withPoint(value < 0, std::move(decimal), false);
    // Values the pattern would not give back go in the shortest exact exponent form the engine reads: 1E-25
    // would become 0, and 1.2345678E-17 lose digits.
    if (textToDouble(patterned) == value) {
        return patterned;
    }
    const auto shortest =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific);
    std::string exponentForm(buffer.data(), shortest.ptr);
    std::replace(exponentForm.begin(), exponentForm.end(), 'e', 'E');
    return exponentForm;
}

std::string makePrecisionPattern(std::size_t decimals)
{
    return std::string(decimals, '#');
}

int FilterKey(int key)
{
    return key;
}

std::string trim(std::string_view text)
{
    return std::string(trimView(text));
}

} // namespace frontend::core
