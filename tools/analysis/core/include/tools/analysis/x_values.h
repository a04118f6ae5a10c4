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

/// Two limits x1 < x2, as the integral and the arc length take them: what is wrong with them, if anything.
enum class LimitsProblem { None, Input, SecondNotGreater, SameValues };

struct LimitsRequest {
    LimitsProblem problem = LimitsProblem::None;
    bool ConversionFailed = false; // with Input: the reader's division-by-zero message comes first
    std::size_t focus = 0; // the box to correct: 0 the first, 1 the second
    std::vector<std::size_t> zeroed; // boxes whose text must now read "0"
    double x1 = 0.0;
    double x2 = 0.0;
};

/// Reads both boxes (an empty box is 0) and wants x1 < x2. A second value below the first sends the user to
/// the second box; two equal values to box `sameFocus`.
LimitsRequest CheckLimits(const std::string &x1, const std::string &x2, std::size_t sameFocus);

/// Whether a shown number text stands for zero: read as number text, digit grouping ignored.
bool TextIsZero(std::string_view text);

} // namespace tools::analysis
