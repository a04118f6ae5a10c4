// libFuzzer target: the cubic and the quartic solver's Solve, from the coefficient boxes as typed: the reader
// (FracToDec) and the whole solve procedure. A solve must end (libFuzzer's -timeout catches a hang), and every
// root it shows must be made of numbers: no "inf" or "nan" text ever stands in a root box. The copy line is
// built from what is shown.
//   Input: byte 0 picks the solver (even: cubic, four boxes; odd: quartic, five boxes), the rest is the boxes'
//   texts separated by line feeds (boxes without a text stay empty).

#include "cubic/number_text.h"
#include "cubic/solver.h"
#include "quartic/solver.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace
{

void require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::fflush(stderr);
        __builtin_trap();
    }
}

std::vector<std::string> boxesOf(std::string_view text, std::size_t count)
{
    std::vector<std::string> boxes(count);
    for (std::size_t i = 0; i < count && !text.empty(); ++i) {
        const std::size_t end = text.find('\n');
        boxes[i] = std::string(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return boxes;
}

/// A shown root: numbers, signs between them and an "i" after the imaginary part ("1.5", "-2 + 3i", "- i").
void requireNumbersOnly(const std::string &root)
{
    std::string_view rest(root);
    while (!rest.empty()) {
        const std::size_t end = rest.find(' ');
        std::string_view token = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (token == "+" || token == "-" || token == "±") {
            continue;
        }
        if (!token.empty() && token.back() == 'i') {
            token.remove_suffix(1);
        }
        if (token.empty() || token == "-" || token == "+") {
            continue; // "i" alone: a unit imaginary part
        }
        require(cubic::ReadPlainNumber(token).has_value(), "a shown root is made of numbers");
    }
}

void checkShown(const cubic::SolveOutcome &outcome, std::size_t rows)
{
    if (!outcome.display) {
        return;
    }
    std::size_t shown = 0;
    for (std::size_t i = 0; i < rows; ++i) {
        const std::string &root = outcome.display->roots[i];
        if (!root.empty()) {
            ++shown;
            requireNumbersOnly(root);
        }
    }
    require(shown > 0, "a solve that ends with roots shows at least one");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1) {
        return 0;
    }
    const bool quartic = (data[0] & 1) != 0;
    const std::string_view text(reinterpret_cast<const char *>(data) + 1, size - 1);
    std::vector<std::string> boxes = boxesOf(text, quartic ? 5 : 4);
    if (quartic) {
        const quartic::QuarticOutcome outcome = quartic::SolveQuarticEquation(boxes);
        checkShown(outcome, 4);
        if (outcome.display) {
            (void)quartic::CopyLine(outcome, outcome.boxes, outcome.display->roots);
        }
    } else {
        const cubic::SolveOutcome outcome = cubic::SolveCubicEquation(boxes);
        checkShown(outcome, 3);
        if (outcome.display) {
            (void)cubic::CopyLine(outcome, outcome.boxes, outcome.display->roots);
        }
    }
    return 0;
}
