#pragma once
// The solver's side of the exchange with the engine library: the request file written for one solve or
// one arc length, the one call of the engine, and the answer read back. Both files are deleted once they
// have served; a file that could not be consumed stays for the user to look at.

#include "frontend/core/equation.h"
#include "frontend/core/solved_roots.h"
#include "platform/exchange_files.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace frontend::core
{

/// Calls the engine library once (after the request file was written); false when the library or its
/// entry could not be had.
using EngineCall = std::function<bool()>;

/// Why an exchange gave no answer. The user is told every fault with the unexpected-error message.
enum class ExchangeFault {
    None,
    RequestNotWritten, // no usable exchange directory, a value that did not convert, or a write that failed
    EngineMissing, // the library or its entry is missing: the request file stays
    AnswerUnreadable, // the answer is missing, short, or holds a value that is not a number: it stays
};

/// True when a solve must be refused before any request: the complex solver takes degrees below 50 only.
bool solveRefused(const Equation &equation);

/// The lines of a solve request for the checked equation (line ends not included): "S", the type, the
/// degree, the coefficients from the leading one down to the constant term, and an empty line. Nothing when
/// a coefficient's value is not a finite number.
std::optional<std::vector<std::string>> solveRequestLines(const Equation &equation);
/// The lines of an arc-length request: "L", the degree, the real coefficients leading first, x1, x2 and an
/// empty line. Nothing for complex coefficients or a value that is not a finite number.
std::optional<std::vector<std::string>> lengthRequestLines(const Equation &equation, double x1, double x2);

/// The first `count` numbers of an answer, read free-format (separated by blanks, commas or line ends);
/// nothing when there are fewer or one of them is not a finite number ("Infinity", "NaN").
std::optional<std::vector<double>> readAnswerValues(std::string_view answer, std::size_t count);
/// The `degree` roots of a solve's answer, real part then imaginary part, read as readAnswerValues reads. A
/// root the engine could not find (or lost to a vanishing leading coefficient) is its placeholder
/// ("Infinity 0"), kept as (+infinity, 0); any other value that is not a finite number gives nothing.
std::optional<std::vector<ComplexValue>> readAnswerRoots(std::string_view answer, int degree);
/// True for the engine's placeholder of a root it could not find: (+infinity, 0).
bool isPlaceholder(ComplexValue root);

struct SolveResult {
    ExchangeFault fault = ExchangeFault::None;
    std::vector<ComplexValue> roots; // `Degree` roots in the engine's order; empty after a fault
};

/// Writes the solve request, calls the engine, deletes the request file and reads the answer
/// (ReadSolveResult).
SolveResult WriteSolveRequest(const Equation &equation, const EngineCall &callEngine);
/// Reads `degree` roots (real part, imaginary part, placeholders included) from the answer file and deletes
/// it; nothing, and the file kept, when they cannot all be read.
std::optional<std::vector<ComplexValue>> ReadSolveResult(const platform::ExchangeFiles &files, int degree);

/// The results list of a solve: one entry per root, with the counts of the found roots' nature. A root the
/// engine could not find has an empty entry, for the window to say so in words; `notFound` gives its place.
struct RootList {
    std::vector<std::string> entries;
    int realCount = 0;
    int imaginaryCount = 0;
    std::vector<std::size_t> notFound; // positions in `entries`, in order
    std::vector<double> real; // the values of the roots counted real, in order
};

/// The entry of one root with parts formatted to `decimals`: "(r)" when the imaginary part's text is 0,
/// "(r) + (m)i" when it is positive, else "(r) - (a)i" with a its magnitude in general number text.
/// `imaginary` tells whether the root counts as imaginary.
std::string rootEntry(ComplexValue root, std::size_t decimals, bool &imaginary);
/// The entries and counts of all roots, in their order; placeholders are counted in neither nature.
RootList listRoots(const std::vector<ComplexValue> &roots, std::size_t decimals);

/// What the results window of a solve shows, worked out in one go: the refusal of a complex degree 50 (the
/// engine is then not called), or the caption's degree, the equation with "0 = " before it, and the roots
/// formatted to `decimals` with their counts (none after a fault).
struct SolveOutcome {
    bool refused = false;
    ExchangeFault fault = ExchangeFault::None;
    std::string degreeText;
    std::string equationText;
    RootList roots;
    SolvedRoots solved; // the roots as numbers with their accuracy (none after a fault)
};
SolveOutcome solve(const Equation &equation, std::size_t decimals, const EngineCall &callEngine);

struct LengthResult {
    ExchangeFault fault = ExchangeFault::None;
    std::optional<std::string> length; // the arc length formatted to the display precision
    std::optional<double> value; // the arc length as the engine gave it
};

/// Writes the arc-length request from x1 to x2, calls the engine, deletes the request file and reads the
/// answer (ReadLengthResult), formatted to `decimals`.
LengthResult WriteLengthRequest(
    const Equation &equation, double x1, double x2, std::size_t decimals, const EngineCall &callEngine);
/// The arc length in the answer file, formatted to `decimals`, and the file deleted; nothing, and the file
/// kept, when no number can be read.
std::optional<std::string> ReadLengthResult(const platform::ExchangeFiles &files, std::size_t decimals);
/// True when the result window must say the input was too large instead of showing a length: nothing was
/// read, or the engine's length is 0. A short length that only shows as 0 at the display precision is a length.
bool lengthTooLarge(const LengthResult &result);

} // namespace frontend::core
