#include "frontend/core/engine_exchange.h"

#include "frontend/core/coefficient_file.h"
#include "frontend/core/number_text.h"
#include "frontend/core/state.h"
#include "frontend/core/text_file.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <system_error>

namespace frontend::core
{
namespace
{

namespace fs = std::filesystem;

/// An answer is a few lines per root; anything beyond this is not an answer of ours.
constexpr std::size_t maxAnswerBytes = 1u << 20;

std::string complexLine(const ComplexValue &value)
{
    return "(" + formatRequestNumber(value.re) + "," + formatRequestNumber(value.im) + ")";
}

/// The coefficients' values from the leading one down to the constant term; nothing when one is not finite.
std::optional<std::vector<ComplexValue>> leadingFirst(const Equation &equation)
{
    const std::vector<ComplexValue> &values = equation.values;
    const bool finite = std::all_of(values.begin(), values.end(), [](const ComplexValue &value) {
        return std::isfinite(value.re) && std::isfinite(value.im);
    });
    if (!finite || values.size() < 2) {
        return std::nullopt;
    }
    return std::vector<ComplexValue>(values.rbegin(), values.rend());
}

/// The degree the request states: the count of coefficients it carries. Written as a plain integer even
/// when a file wrote its degree line otherwise ("2.0"), since the engine reads that line as an integer.
std::string degreeLine(const Equation &equation)
{
    return std::to_string(equation.texts.degree());
}

void removeFile(const fs::path &path)
{
    std::error_code ignored;
    fs::remove(path, ignored);
}

/// Writes the request into the exchange files, calls the engine and deletes the request file; the answer
/// is left for the reader.
ExchangeFault sendRequest(const std::optional<platform::ExchangeFiles> &files,
    const std::optional<std::vector<std::string>> &lines,
    const EngineCall &callEngine)
{
    if (!files || !lines || !writePrivateFile(files->request, joinCrLf(*lines))) {
        return ExchangeFault::RequestNotWritten;
    }
    // An answer left from an earlier request that could not be read must never pass for this one's.
    removeFile(files->answer);
    if (!callEngine()) {
        return ExchangeFault::EngineMissing;
    }
    removeFile(files->request);
    return ExchangeFault::None;
}

/// Reads the answer file with `read` and deletes it; the file stays when it cannot be read.
template <typename Read>
auto consumeAnswer(const platform::ExchangeFiles &files, Read read) -> decltype(read(std::string_view()))
{
    decltype(read(std::string_view())) values;
    if (const auto text = readPrivateFile(files.answer, maxAnswerBytes)) {
        values = read(*text);
    }
    if (values) {
        removeFile(files.answer);
    }
    return values;
}

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

/// The first `count` words of an answer, each read by `read`; nothing when there are fewer or one does not read.
template <typename Read>
std::optional<std::vector<double>> readAnswerWords(std::string_view answer, std::size_t count, Read read)
{
    std::vector<double> values;
    values.reserve(count);
    std::size_t at = 0;
    while (values.size() < count) {
        while (at < answer.size() && isSeparator(answer[at])) {
            ++at;
        }
        const std::size_t end =
            std::find_if(answer.begin() + static_cast<std::ptrdiff_t>(at), answer.end(), isSeparator) - answer.begin();
        if (end == at) {
            return std::nullopt; // fewer values than asked for
        }
        const std::optional<double> value = read(answer.substr(at, end - at));
        if (!value) {
            return std::nullopt;
        }
        values.push_back(*value);
        at = end;
    }
    return values;
}

/// A part of a root in the answer: a finite number, or the engine's text for positive infinity, which only its
/// placeholder for a root it could not find carries.
std::optional<double> rootPartValue(std::string_view word)
{
    if (word == "Infinity") {
        return std::numeric_limits<double>::infinity();
    }
    return textToDouble(word);
}

/// The value of a display text (thousands separators allowed); 0 for a text that is not a number.
double displayValue(const std::string &text)
{
    std::string plain = text;
    plain.erase(std::remove(plain.begin(), plain.end(), ','), plain.end());
    return textToDouble(plain).value_or(0.0);
}

/// The one number of an arc-length answer, and the file deleted; nothing, and the file kept, when it cannot be read.
std::optional<double> readLengthValue(const platform::ExchangeFiles &files)
{
    const auto values = consumeAnswer(files, [](std::string_view answer) {
        return readAnswerValues(answer, 1);
    });
    if (!values) {
        return std::nullopt;
    }
    return values->front();
}

} // namespace

bool solveRefused(const Equation &equation)
{
    return equation.isComplex() && equation.degree >= maxComplexDegree;
}

std::optional<std::vector<std::string>> solveRequestLines(const Equation &equation)
{
    const auto values = leadingFirst(equation);
    if (!values) {
        return std::nullopt;
    }
    const bool complex = equation.isComplex();
    std::vector<std::string> lines { "S", complex ? "C" : "R", degreeLine(equation) };
    for (const ComplexValue &value : *values) {
        lines.push_back(complex ? complexLine(value) : formatRequestNumber(value.re));
    }
    lines.emplace_back();
    return lines;
}

std::optional<std::vector<std::string>> lengthRequestLines(const Equation &equation, double x1, double x2)
{
    const auto values = leadingFirst(equation);
    if (!values || equation.isComplex()) { // the engine measures real curves only
        return std::nullopt;
    }
    std::vector<std::string> lines { "L", degreeLine(equation) };
    for (const ComplexValue &value : *values) {
        lines.push_back(formatRequestNumber(value.re));
    }
    lines.push_back(formatRequestNumber(x1));
    lines.push_back(formatRequestNumber(x2));
    lines.emplace_back();
    return lines;
}

std::optional<std::vector<double>> readAnswerValues(std::string_view answer, std::size_t count)
{
    return readAnswerWords(answer, count, textToDouble);
}

std::optional<std::vector<ComplexValue>> readAnswerRoots(std::string_view answer, int degree)
{
    const auto values = readAnswerWords(answer, 2 * static_cast<std::size_t>(std::max(degree, 0)), rootPartValue);
    if (!values) {
        return std::nullopt;
    }
    std::vector<ComplexValue> roots;
    for (std::size_t k = 0; k + 1 < values->size(); k += 2) {
        const ComplexValue root { (*values)[k], (*values)[k + 1] };
        // Infinity stands only as the real part of a placeholder, whose imaginary part is 0.
        if (!std::isfinite(root.im) || (!std::isfinite(root.re) && !isPlaceholder(root))) {
            return std::nullopt;
        }
        roots.push_back(root);
    }
    return roots;
}

bool isPlaceholder(ComplexValue root)
{
    return root.re == std::numeric_limits<double>::infinity() && root.im == 0.0;
}

SolveResult WriteSolveRequest(const Equation &equation, const EngineCall &callEngine)
{
    // The paths are found once and serve the request and its answer.
    const auto files = platform::exchangeFiles();
    SolveResult result;
    result.fault = sendRequest(files, solveRequestLines(equation), callEngine);
    if (result.fault != ExchangeFault::None) {
        return result;
    }
    if (auto roots = ReadSolveResult(*files, equation.texts.degree())) {
        result.roots = std::move(*roots);
    } else {
        result.fault = ExchangeFault::AnswerUnreadable;
    }
    return result;
}

std::optional<std::vector<ComplexValue>> ReadSolveResult(const platform::ExchangeFiles &files, int degree)
{
    return consumeAnswer(files, [degree](std::string_view answer) {
        return readAnswerRoots(answer, degree);
    });
}

std::string rootEntry(ComplexValue root, std::size_t decimals, bool &imaginary)
{
    const std::string r = FormatNumber(root.re, decimals);
    const std::string m = FormatNumber(root.im, decimals);
    // Judged on the text shown: a part that rounds to 0 at this precision makes the root real.
    const double shown = displayValue(m);
    imaginary = shown != 0.0;
    if (!imaginary) {
        return "(" + r + ")";
    }
    if (shown > 0.0) {
        return "(" + r + ") + (" + m + ")i";
    }
    return "(" + r + ") - (" + generalNumberText(std::fabs(shown)) + ")i";
}

RootList listRoots(const std::vector<ComplexValue> &roots, std::size_t decimals)
{
    RootList list;
    for (const ComplexValue &root : roots) {
        if (isPlaceholder(root)) {
            list.notFound.push_back(list.entries.size());
            list.entries.emplace_back();
            continue;
        }
        bool imaginary = false;
        list.entries.push_back(rootEntry(root, decimals, imaginary));
        list.imaginaryCount += imaginary ? 1 : 0;
        if (!imaginary) {
            list.real.push_back(root.re);
        }
    }
    list.realCount = static_cast<int>(roots.size() - list.notFound.size()) - list.imaginaryCount;
    return list;
}

SolveOutcome solve(const Equation &equation, std::size_t decimals, const EngineCall &callEngine)
{
    SolveOutcome outcome;
    outcome.refused = solveRefused(equation);
    if (outcome.refused) {
        return outcome;
    }
    outcome.degreeText = equation.degreeText;
    outcome.equationText = actionText(Action::Solve, equation);
    const SolveResult result = WriteSolveRequest(equation, callEngine);
    outcome.fault = result.fault;
    outcome.roots = listRoots(result.roots, decimals);
    outcome.solved = solvedRoots(equation, result.roots, decimals);
    return outcome;
}

LengthResult WriteLengthRequest(
    const Equation &equation, double x1, double x2, std::size_t decimals, const EngineCall &callEngine)
{
    const auto files = platform::exchangeFiles();
    LengthResult result;
    result.fault = sendRequest(files, lengthRequestLines(equation, x1, x2), callEngine);
    if (result.fault != ExchangeFault::None) {
        return result;
    }
    result.value = readLengthValue(*files);
    if (!result.value) {
        result.fault = ExchangeFault::AnswerUnreadable;
        return result;
    }
    result.length = FormatNumber(*result.value, decimals);
    return result;
}

std::optional<std::string> ReadLengthResult(const platform::ExchangeFiles &files, std::size_t decimals)
{
    const auto value = readLengthValue(files);
    if (!value) {
        return std::nullopt;
    }
    return FormatNumber(*value, decimals);
}

bool lengthTooLarge(const LengthResult &result)
{
    return !result.value || *result.value == 0.0;
}

} // namespace frontend::core
