#include "tools/analysis/arc_length.h"

#include "frontend/core/number_text.h"
#include "tools/analysis/evaluation.h"
#include "tools/analysis/x_values.h"

#include <cmath>

namespace tools::analysis
{

LengthRequest CheckLengthRequest(const std::string &x1, const std::string &x2)
{
    LengthRequest request;
    const XValuesCheck check = CheckXValues({ x1, x2 }, ReadMode::Lenient, true);
    request.zeroed = check.zeroed;
    if (check.EntryError) {
        request.problem = LengthProblem::Input;
        request.ConversionFailed = check.ConversionFailed;
        request.focus = check.focus.value_or(0);
        return request;
    }
    request.x1 = check.values[0];
    request.x2 = check.values[1];
    switch (CompareLimits(request.x1, request.x2)) {
    case LimitsOrder::Descending:
        request.problem = LengthProblem::SecondNotGreater;
        request.focus = 1;
        break;
    case LimitsOrder::Equal:
        request.problem = LengthProblem::SameValues;
        request.focus = 0;
        break;
    case LimitsOrder::Ascending:
        break;
    }
    return request;
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
