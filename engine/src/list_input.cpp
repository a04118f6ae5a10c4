#include "list_input.h"

#include <cctype>
#include <charconv>
#include <limits>

namespace engine
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

// Length of the run of digits at the start of text.
std::size_t digits(std::string_view text)
{
    std::size_t n = 0;
    while (n < text.size() && isDigit(text[n])) {
        ++n;
    }
    return n;
}

} // namespace

bool parseReal(std::string_view text, double &value)
{
    // Check the form first: [sign] (digits [. [digits]] | . digits) [(E|D) [sign] digits].
    std::string normal(text);
    std::size_t at = 0;
    if (at < normal.size() && (normal[at] == '+' || normal[at] == '-')) {
        ++at;
    }
    const std::size_t whole = digits(std::string_view(normal).substr(at));
    at += whole;
    std::size_t fraction = 0;
    if (at < normal.size() && normal[at] == '.') {
        ++at;
        fraction = digits(std::string_view(normal).substr(at));
        at += fraction;
    }
    if (whole == 0 && fraction == 0) {
        return false;
    }
    if (at < normal.size() && (normal[at] == 'E' || normal[at] == 'e' || normal[at] == 'D' || normal[at] == 'd')) {
        normal[at] = 'e';
        ++at;
        if (at < normal.size() && (normal[at] == '+' || normal[at] == '-')) {
            ++at;
        }
        const std::size_t exponent = digits(std::string_view(normal).substr(at));
        if (exponent == 0) {
            return false;
        }
        at += exponent;
    }
    if (at != normal.size()) {
        return false;
    }
    // from_chars takes no leading '+'.
    const char *begin = normal.data() + (normal[0] == '+' ? 1 : 0);
    const auto result = std::from_chars(begin, normal.data() + normal.size(), value);
    return result.ec == std::errc() && result.ptr == normal.data() + normal.size();
}

ListReader::ListReader(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        m_lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
}

void ListReader::fail(const std::string &why) const
{
    throw InputError("request line " + std::to_string(m_next) + ": " + why);
}

std::string_view ListReader::nextLine(const char *what)
{
    if (m_next >= m_lines.size()) {
        // Named by the line that should have held it, the one after the last.
        throw InputError("request line " + std::to_string(m_next + 1) + ": end of file while reading " + what);
    }
    return m_lines[m_next++];
}

std::string_view ListReader::nextValue(const char *what)
{
    std::string_view line;
    do {
        line = trimmed(nextLine(what));
    } while (line.empty());
    if (line.front() == '(') {
        const std::size_t close = line.find(')');
        if (close == std::string_view::npos) {
            fail(std::string("no closing parenthesis in ") + what);
        }
        return line.substr(0, close + 1);
    }
    const std::size_t end = line.find_first_of(" \t,/");
    return line.substr(0, end);
}

char ListReader::readLetter()
{
    const std::string_view line = nextLine("a letter");
    return line.empty() ? ' ' : line.front();
}

std::int32_t ListReader::readInteger()
{
    const std::string_view text = nextValue("an integer");
    std::size_t sign = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    if (text.size() == sign || digits(text.substr(sign)) != text.size() - sign) {
        fail("\"" + std::string(text) + "\" is not an integer");
    }
    std::int32_t value = 0;
    const char *begin = text.data() + (text[0] == '+' ? 1 : 0);
    const auto result = std::from_chars(begin, text.data() + text.size(), value);
    if (result.ec != std::errc()) {
        fail("\"" + std::string(text) + "\" is out of the integer range");
    }
    return value;
}

double ListReader::readReal()
{
    const std::string_view text = nextValue("a real number");
    double value = 0;
    if (!parseReal(text, value)) {
        fail("\"" + std::string(text) + "\" is not a real number");
    }
    return value;
}

std::complex<double> ListReader::readComplex()
{
    const std::string_view text = nextValue("a complex number");
    const std::size_t comma = text.find(',');
    double re = 0, im = 0;
    if (text.size() < 2 || text.front() != '(' || text.back() != ')' || comma == std::string_view::npos
        || !parseReal(trimmed(text.substr(1, comma - 1)), re)
        || !parseReal(trimmed(text.substr(comma + 1, text.size() - comma - 2)), im)) {
        fail("\"" + std::string(text) + "\" is not a complex number");
    }
    return { re, im };
}

} // namespace engine
