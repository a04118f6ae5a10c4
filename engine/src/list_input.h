#pragma once
// Reading the request file the way a list-directed READ does: one read per item, each starting on the next
// unread line; blanks and empty lines before a value are skipped; a value ends at a blank, a comma, a slash
// or the end of the line, and the rest of that line is discarded.

#include <complex>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace engine
{

/// A request that cannot be read: missing, short, or a value of the wrong type. Ends the call without answer.
class InputError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class ListReader
{
public:
    /// `text` is the whole request file; both line ends (LF and CR LF) are accepted.
    explicit ListReader(std::string_view text);

    /// The first character of the next line (a blank for an empty line).
    char readLetter();
    /// An optional sign and digits.
    std::int32_t readInteger();
    /// An integer, a decimal fraction with a point, or either with an exponent ("E" or "D", signed integer).
    double readReal();
    /// "(" real part "," imaginary part ")", blanks allowed around the parts.
    std::complex<double> readComplex();

private:
    std::string_view nextLine(const char *what);
    std::string_view nextValue(const char *what);
    [[noreturn]] void fail(const std::string &why) const;

    std::vector<std::string_view> m_lines;
    std::size_t m_next = 0; // index of the next unread line
};

/// Parses a whole real item (no surrounding blanks); false when it is not one.
bool parseReal(std::string_view text, double &value);

} // namespace engine
