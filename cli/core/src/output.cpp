#include "cli/output.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace cli
{
namespace
{

using frontend::core::RootAccuracy;
using frontend::core::RootCluster;

std::string toText(double x, std::optional<int> digits)
{
    std::array<char, 64> buffer {};
    const auto result = digits
        ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::general, *digits)
        : std::to_chars(buffer.data(), buffer.data() + buffer.size(), x);
    return std::string(buffer.data(), result.ptr);
}

double parsed(const std::string &text)
{
    double x = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), x);
    return x;
}

/// The value as the chosen style writes it, read back: what JSON is given, so both outputs round alike.
double rounded(const NumberStyle &style, double x)
{
    return style.digits && std::isfinite(x) ? parsed(style.value(x)) : x;
}

std::string padded(std::string text, std::size_t width)
{
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

std::string csvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

/// A JSON number, or null where no finite value is known.
nlohmann::json jsonNumber(const NumberStyle &style, double x)
{
    return std::isfinite(x) ? nlohmann::json(rounded(style, x)) : nlohmann::json(nullptr);
}

/// A bound as JSON: rounded up like its text, or null where it is unknown.
nlohmann::json jsonBound(const NumberStyle &style, double x)
{
    return std::isfinite(x) ? nlohmann::json(parsed(style.bound(x))) : nlohmann::json(nullptr);
}

/// One JSON item as text. A file's name or a broken file's line may hold bytes that are not UTF-8, which JSON
/// cannot carry: they become U+FFFD rather than stop the run.
std::string jsonText(const nlohmann::json &item)
{
    return item.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

const char *kindName(const Polynomial &polynomial)
{
    return polynomial.complex ? "complex" : "real";
}

} // namespace

std::string NumberStyle::value(double x) const
{
    return toText(x, digits);
}

std::string NumberStyle::bound(double x) const
{
    if (!digits || !std::isfinite(x)) {
        return toText(x, std::nullopt);
    }
    std::string text = toText(x, digits);
    // Rounded to the nearest it may have gone down: step up by one unit of its last digit.
    if (parsed(text) < x) {
        const double unit = std::pow(10.0, std::floor(std::log10(x)) - (*digits - 1));
        text = toText(parsed(text) + unit, digits);
    }
    return text;
}

std::string ErrorLine(const std::string &source, const InputError &error)
{
    const std::string line =
        source + (error.line > 0 ? ":" + std::to_string(error.line) : std::string()) + ": " + error.message;
    // A file name or a broken line may hold control bytes: shown as \xHH, they neither break the message's
    // one line nor reach the terminal as commands.
    std::string shown;
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            constexpr const char *hex = "0123456789ABCDEF";
            shown += "\\x";
            shown += hex[byte >> 4];
            shown += hex[byte & 0x0F];
        } else {
            shown += c;
        }
    }
    return shown;
}

OutputWriter::OutputWriter(Format format, NumberStyle style, std::string &out)
    : m_format(format)
    , m_style(style)
    , m_out(out)
{
}

void OutputWriter::begin()
{
    if (m_format == Format::Csv) {
        m_out += std::string("source,") + frontend::core::accuracyCsvHeader + "\n";
    } else if (m_format == Format::Json) {
        m_out += "[";
    }
}

void OutputWriter::end()
{
    if (m_format == Format::Json) {
        m_out += m_first ? "]\n" : "\n]\n";
    }
}

void OutputWriter::solved(const std::string &source, const Polynomial &polynomial, const Solution &solution)
{
    switch (m_format) {
    case Format::Text:
        text(source, polynomial, solution);
        break;
    case Format::Csv:
        csv(source, solution);
        break;
    case Format::Json:
        json(source, polynomial, solution);
        break;
    }
}

void OutputWriter::failed(const std::string &source, const InputError &error)
{
    // The message itself goes to the error stream; only JSON keeps a record of it among the results.
    if (m_format == Format::Json) {
        separateJson();
        nlohmann::json item { { "source", source },
            { "error", { { "line", error.line }, { "message", error.message } } } };
        m_out += jsonText(item);
    }
}

void OutputWriter::separateJson()
{
    m_out += m_first ? "\n" : ",\n";
    m_first = false;
}

void OutputWriter::text(const std::string &source, const Polynomial &polynomial, const Solution &solution)
{
    // Room for a number of the chosen digits with its sign, point and exponent, and never less than the
    // header's own names take.
    const std::size_t width =
        m_style.digits ? std::max<std::size_t>(static_cast<std::size_t>(*m_style.digits) + 9, 16) : 25;
    m_out +=
        source + ": degree " + std::to_string(polynomial.degree()) + ", " + kindName(polynomial) + " coefficients\n";
    m_out += padded("real part", width) + padded("imaginary part", width) + "error bound  digits  multiplicity\n";
    for (std::size_t i = 0; i < solution.roots.size(); ++i) {
        const RootAccuracy &accuracy = solution.accuracy.roots[i];
        if (!accuracy.found) {
            m_out += std::string(frontend::core::rootNotFoundText) + "\n";
            continue;
        }
        const std::string bound =
            std::isfinite(accuracy.errorBound) ? NumberStyle { 2 }.bound(accuracy.errorBound) : std::string("unknown");
        m_out += padded(m_style.value(solution.roots[i].real()), width)
            + padded(m_style.value(solution.roots[i].imag()), width) + padded(bound, 13)
            + padded(std::to_string(accuracy.correctDigits), 8) + "×" + std::to_string(accuracy.multiplicity) + "\n";
    }
    for (const RootCluster &cluster : solution.accuracy.clusters) {
        if (cluster.members.size() > 1 && std::isfinite(cluster.radius)) {
            m_out += "×" + std::to_string(cluster.members.size()) + " root about "
                + m_style.value(cluster.centre.real()) + (cluster.centre.imag() < 0 ? " - " : " + ")
                + m_style.value(std::abs(cluster.centre.imag())) + "i, within "
                + NumberStyle { 2 }.bound(cluster.radius) + "\n";
        }
    }
    m_out += "\n";
}

void OutputWriter::csv(const std::string &source, const Solution &solution)
{
    const std::string prefix = csvField(source) + ",";
    for (std::size_t i = 0; i < solution.roots.size(); ++i) {
        const RootAccuracy &accuracy = solution.accuracy.roots[i];
        m_out += prefix + m_style.value(solution.roots[i].real()) + "," + m_style.value(solution.roots[i].imag()) + ","
            + m_style.bound(accuracy.errorBound) + "," + std::to_string(accuracy.correctDigits) + ","
            + std::to_string(accuracy.multiplicity) + "\n";
    }
}

void OutputWriter::json(const std::string &source, const Polynomial &polynomial, const Solution &solution)
{
    nlohmann::json roots = nlohmann::json::array();
    for (std::size_t i = 0; i < solution.roots.size(); ++i) {
        const RootAccuracy &accuracy = solution.accuracy.roots[i];
        const bool found = accuracy.found;
        roots.push_back({ { "re", found ? jsonNumber(m_style, solution.roots[i].real()) : nullptr },
            { "im", found ? jsonNumber(m_style, solution.roots[i].imag()) : nullptr },
            { "found", found },
            { "error_bound", jsonBound(m_style, accuracy.errorBound) },
            { "correct_digits", accuracy.correctDigits },
            { "multiplicity", accuracy.multiplicity } });
    }
    nlohmann::json clusters = nlohmann::json::array();
    for (const RootCluster &cluster : solution.accuracy.clusters) {
        if (cluster.members.size() > 1) {
            clusters.push_back({ { "centre",
                                     { { "re", jsonNumber(m_style, cluster.centre.real()) },
                                         { "im", jsonNumber(m_style, cluster.centre.imag()) } } },
                { "radius", jsonBound(m_style, cluster.radius) },
                { "multiplicity", cluster.members.size() },
                { "members", cluster.members } });
        }
    }
    separateJson();
    const nlohmann::json item { { "source", source },
        { "degree", polynomial.degree() },
        { "coefficients", kindName(polynomial) },
        { "verified", solution.verified() },
        { "roots", std::move(roots) },
        { "clusters", std::move(clusters) } };
    m_out += jsonText(item);
}

} // namespace cli
