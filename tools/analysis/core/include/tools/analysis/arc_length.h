#pragma once
// The arc-length tool's own part: the checks of the two x-coordinates, the end points, the length of a
// straight line (degree 1, no engine request) and the result window's texts.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tools::analysis
{

enum class LengthProblem { None, Input, SecondNotGreater, SameValues };

struct LengthRequest {
    LengthProblem problem = LengthProblem::None;
    bool ConversionFailed = false;
    std::size_t focus = 0; // 0: txtX1, 1: txtX2
    std::vector<std::size_t> zeroed;
    double x1 = 0.0;
    double x2 = 0.0;
};
LengthRequest CheckLengthRequest(const std::string &x1, const std::string &x2);

/// The curve's y at x, computed as the table of values does; nothing on overflow.
std::optional<double> FindYValue(const std::vector<double> &coefficients, double x);

/// The length of the straight line between the two end points, formatted; nothing when it is too large to be
/// represented.
std::optional<std::string> StraightLineLength(double x1, double y1, double x2, double y2, std::size_t decimals);

/// "[(" + x text as typed + "), (" + formatted y + ")]".
std::string CoordinatesText(std::string_view xText, double y, std::size_t decimals);

/// "Arc length from " + first point + " to " + second point + " is " + length.
std::string LengthCopyText(std::string_view xy1, std::string_view xy2, std::string_view length);

} // namespace tools::analysis
