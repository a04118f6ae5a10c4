#pragma once
// What the command-line program prints for each input: its roots with their accuracy as aligned text, CSV or
// JSON, or the one-line reason why the input could not be solved.

#include "cli/coefficient_input.h"
#include "cli/solve.h"

#include <optional>
#include <string>

namespace cli
{

enum class Format { Text, Csv, Json };

/// Numbers with all their digits (the shortest text that reads back as the same double), or rounded to `digits`
/// significant digits. Error bounds are rounded up, never down.
struct NumberStyle {
    std::optional<int> digits;

    std::string value(double x) const;
    std::string bound(double x) const;
};

/// Collects the output of a run in `out`, one input after another.
class OutputWriter
{
public:
    OutputWriter(Format format, NumberStyle style, std::string &out);
    void begin();
    void solved(const std::string &source, const Polynomial &polynomial, const Solution &solution);
    void failed(const std::string &source, const InputError &error);
    void end();

private:
    void text(const std::string &source, const Polynomial &polynomial, const Solution &solution);
    void csv(const std::string &source, const Solution &solution);
    void json(const std::string &source, const Polynomial &polynomial, const Solution &solution);
    void separateJson();

    Format m_format;
    NumberStyle m_style;
    std::string &m_out;
    bool m_first = true;
};

/// The one-line message of a bad input: "source:line: message" (or "source: message").
std::string ErrorLine(const std::string &source, const InputError &error);

} // namespace cli
