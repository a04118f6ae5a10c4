// libFuzzer target: the engine's answer as the solver reads it, and the results list made of it. Only finite
// numbers may be read; every root is listed as "(r)", "(r) + (m)i" or "(r) - (m)i" with parts that are
// numbers, counted as imaginary exactly when its shown imaginary part is not 0; the counts add up.
//   Input: byte 0 picks the degree (1 to 100), byte 1 the decimals (1 to 15), the rest is the answer's bytes.

#include "frontend/core/engine_exchange.h"
#include "fuzz_checks.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace frontend::core;
using frontend::fuzz::require;

namespace
{

/// The parts of an entry: real text, and the imaginary text with its sign (empty for a real root).
struct EntryParts {
    std::string re;
    std::string im;
    bool negative = false;
};

EntryParts partsOf(const std::string &entry)
{
    require(entry.size() >= 3 && entry.front() == '(', "an entry starts with its real part");
    const std::size_t close = entry.find(')');
    require(close != std::string::npos, "the real part is closed");
    EntryParts parts { entry.substr(1, close - 1), "", false };
    const std::string_view rest = std::string_view(entry).substr(close + 1);
    if (rest.empty()) {
        return parts;
    }
    require(rest.size() > 6 && (rest.substr(0, 4) == " + (" || rest.substr(0, 4) == " - (")
            && rest.substr(rest.size() - 2) == ")i",
        "an imaginary part is written \" + (m)i\" or \" - (m)i\"");
    parts.negative = rest[1] == '-';
    parts.im = std::string(rest.substr(4, rest.size() - 6));
    return parts;
}

void checkEntry(const std::string &entry, ComplexValue root, std::size_t decimals, bool imaginary)
{
    require(frontend::fuzz::namesNoNonFinite(entry), "a root is listed as numbers");
    const EntryParts parts = partsOf(entry);
    require(parts.re == FormatNumber(root.re, decimals), "the real part is the display text of the value");
    require(frontend::fuzz::shownValue(parts.re).has_value(), "the real part reads as a number");
    require(imaginary == !parts.im.empty(), "a root counts as imaginary when its entry shows an imaginary part");
    if (!imaginary) {
        const auto shown = frontend::fuzz::shownValue(FormatNumber(root.im, decimals));
        require(shown && *shown == 0.0, "a root listed as real shows an imaginary part of 0");
        return;
    }
    const auto shown = frontend::fuzz::shownValue(parts.im);
    require(shown.has_value() && *shown > 0.0, "an imaginary part is shown as a positive number after its sign");
    require(parts.negative == (root.im < 0.0), "the sign of the imaginary part is the root's");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    const int degree = 1 + data[0] % 100;
    const std::size_t decimals = 1 + data[1] % 15;
    const std::string_view answer(reinterpret_cast<const char *>(data) + 2, size - 2);

    const auto length = readAnswerValues(answer, 1);
    if (length) {
        require(length->size() == 1 && std::isfinite(length->front()), "an arc length read is a finite number");
        require(frontend::fuzz::shownValue(FormatNumber(length->front(), decimals)).has_value(),
            "an arc length is shown as a number");
    }
    const auto values = readAnswerValues(answer, 2 * static_cast<std::size_t>(degree));
    if (!values) {
        return 0;
    }
    require(values->size() == 2 * static_cast<std::size_t>(degree), "an answer gives every root");
    std::vector<ComplexValue> roots;
    for (std::size_t k = 0; k + 1 < values->size(); k += 2) {
        require(std::isfinite((*values)[k]) && std::isfinite((*values)[k + 1]), "a root read is finite");
        roots.push_back({ (*values)[k], (*values)[k + 1] });
    }
    const RootList list = listRoots(roots, decimals);
    require(list.entries.size() == roots.size(), "every root is listed");
    require(list.realCount + list.imaginaryCount == degree, "the counts add up to the degree");
    int imaginary = 0;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        bool isImaginary = false;
        require(rootEntry(roots[i], decimals, isImaginary) == list.entries[i], "the list holds each root's entry");
        checkEntry(list.entries[i], roots[i], decimals, isImaginary);
        imaginary += isImaginary ? 1 : 0;
    }
    require(imaginary == list.imaginaryCount, "the imaginary count is the number of imaginary entries");
    return 0;
}
