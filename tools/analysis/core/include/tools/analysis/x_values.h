#pragma once
// The 'x' boxes of the analysis tools: each box's text is read as number text, in box order, and the
// first one that does not read as a number is the one the user must correct.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tools::analysis
{

/// How the boxes are read: an empty box is 0 (Lenient) or a fault (Strict).
enum class ReadMode { Lenient, Strict };

/// The outcome of checking a row of 'x' boxes.
struct XValuesCheck {
    bool EntryError = false;
    /// The faulty box held a fraction with a zero denominator: the reader's own message comes first.
    bool ConversionFailed = false;
    std::optional<std::size_t> focus; // the box to correct
    std::vector<std::size_t> zeroed; // boxes whose text must now read "0"
    std::vector<double> values; // by box, when every box passed
};

/// Reads the boxes in order and stops at the first that is not numeric. With `rewriteZero`, a box whose
/// value equals "0" (an empty box, "0", or a fraction worth 0) is listed to be rewritten as "0".
XValuesCheck CheckXValues(const std::vector<std::string> &texts, ReadMode mode, bool rewriteZero);

/// Two limits x1 < x2 as the integral and arc-length tools need them.
enum class LimitsOrder { Ascending, Descending, Equal };
LimitsOrder CompareLimits(double x1, double x2);

/// Whether a shown number text stands for zero: read as number text, digit grouping ignored.
bool TextIsZero(std::string_view text);

} // namespace tools::analysis
