#pragma once
// The arc-length tool's own part: the checks of the two x-coordinates, the end points, the length of a
// straight line (degree 1, no engine request) and the result window's texts.

#include "tools/analysis/x_values.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tools::analysis
{

/// The two x-coordinates; equal ones send the user back to the first.
LimitsRequest CheckLengthRequest(const std::string &x1, const std::string &x2);

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
