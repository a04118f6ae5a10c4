#include "tools/analysis/arc_length.h"

#include "frontend/core/number_text.h"
#include "tools/analysis/evaluation.h"

#include <cmath>

namespace tools::analysis
{

LimitsRequest CheckLengthRequest(const std::string &x1, const std::string &x2)
{
    return CheckLimits(x1, x2, 0);
}

std::optional<double> FindYValue(const std::vector<double> &coefficients, double x)
{
    return EvaluateRealAt(coefficients, x);
}

std::optional<std::string> StraightLineLength(double x1, double y1, double x2, double y2, std::size_t decimals)
{
    // hypot rather than the square root of the sum of squares: the squares overflow long before the length.
    const double length = std::hypot(x2 - x1, y2 - y1);
    if (!std::isfinite(length)) {
        return std::nullopt;
    }
    return frontend::core::FormatNumber(length, decimals);
}

std::string CoordinatesText(std::string_view xText, double y, std::size_t decimals)
{
    return "[(" + std::string(xText) + "), (" + frontend::core::FormatNumber(y, decimals) + ")]";
}

std::string LengthCopyText(std::string_view xy1, std::string_view xy2, std::string_view length)
{
    return "Arc length from " + std::string(xy1) + " to " + std::string(xy2) + " is " + std::string(length);
}

} // namespace tools::analysis
