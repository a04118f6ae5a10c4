#pragma once
// Numbers as the user types them and as the program shows them. "." is the decimal point whatever
// the locale; nothing here depends on the user's locale.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace frontend::core
{

/// The text a failed read yields; callers compare against it or use NumberValue::isFailed().
inline constexpr std::string_view failureMarker = "abc";

/// What a read of number text gives: a number (a fraction's quotient), the integer 0 (an empty
/// text), the text itself (a plain number, kept as typed) or the failure marker.
class NumberValue
{
public:
    enum class Kind { Number, Zero, Text, Failed };

    static NumberValue number(double value);
    static NumberValue zero();
    /// A plain number kept as typed, with the value the numeric test read from it.
    static NumberValue text(std::string text, double value);
    static NumberValue failed();

    Kind kind() const { return m_kind; }
    /// The failure marker "abc".
    bool isFailed() const { return m_kind == Kind::Failed; }
    /// The numeric test applied to the value: numbers always pass, texts when they are plain numbers.
    bool isNumeric() const { return m_kind != Kind::Failed; }
    /// Equality with "0": numbers compare numerically with 0, texts compare as text with "0"
    /// (so "0" matches and "0.0" does not).
    bool readsAsZero() const;
    /// The value as a double; NaN for the failure marker.
    double toDouble() const;
    /// The value as display text: the text as typed, the general text of a number, "0", or "abc".
    std::string toText() const;

private:
    Kind m_kind = Kind::Failed;
    double m_number = 0.0;
    std::string m_text;
};

/// The outcome of one read. `ConversionFailed` is set only for a division by zero: the caller shows
/// the reader's "Division by Zero" message for it. `conversionError` is set for every failure inside
/// a fraction (division by zero included); a file view is marked for it.
struct ReadOutcome {
    NumberValue value;
    bool ConversionFailed = false;
    bool conversionError = false;
};

/// Decimal ("1.5"), fractional ("1/2.5") or exponential ("1.5E-3") text; empty text reads as 0.
ReadOutcome ReadNumber(std::string_view text);
/// As ReadNumber, but empty text is a failure.
ReadOutcome ReadNumberStrict(std::string_view text);

/// The numeric test: optional blanks, optional sign, digits with at most one point, optional exponent
/// ("E-5"), optional blanks; the value must fit a double.
bool isNumeric(std::string_view text);
/// Text-to-double conversion of a text that passes isNumeric; nothing otherwise.
std::optional<double> textToDouble(std::string_view text);
/// The value of the number at the start of the text (after blanks); 0 when there is none.
double leadingNumber(std::string_view text);

/// Display text with up to `decimals` decimals, thousands grouped: 2 -> "2", 12345.678 -> "12,345.678";
/// very large or small magnitudes in exponent form ("1.5E-20").
std::string FormatNumber(double value, std::size_t decimals);
/// Exponent form with one integer digit and up to `decimals` decimals, the point always kept, the exponent
/// signed with at least two digits: 0.00125 -> "1.25E-03", 2 -> "2.E+00".
std::string formatScientific(double value, std::size_t decimals);
/// Number lines of the engine request: the value rounded to 19 decimals, at least one integer digit, the
/// point always present, no grouping (5 -> "5.", -1.25 -> "-1.25", 1/3 -> "0.3333333333333333148"); a value
/// that form would not give back exactly is written as the shortest exact exponent form instead
/// (1E-25 -> "1E-25").
std::string formatRequestNumber(double value);
/// The general text of a double: up to 15 significant digits, exponent form where it needs one
/// ("0.5", "1E+20"); no grouping.
std::string generalNumberText(double value);
/// The display precision pattern: `decimals` characters "#".
std::string makePrecisionPattern(std::size_t decimals);

/// Key filter of the number boxes: every key is let through (checks happen when an action starts).
int FilterKey(int key);

/// The text without blanks (spaces and tabs) at either end.
std::string trim(std::string_view text);

} // namespace frontend::core
