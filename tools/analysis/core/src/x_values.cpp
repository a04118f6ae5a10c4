#include "tools/analysis/x_values.h"

#include "frontend/core/number_text.h"

#include <algorithm>

namespace tools::analysis
{

using frontend::core::ReadNumber;
using frontend::core::ReadNumberStrict;
using frontend::core::ReadOutcome;

XValuesCheck CheckXValues(const std::vector<std::string> &texts, ReadMode mode, bool rewriteZero)
{
    XValuesCheck check;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const ReadOutcome read = mode == ReadMode::Strict ? ReadNumberStrict(texts[i]) : ReadNumber(texts[i]);
        if (!read.value.isNumeric()) {
            check.EntryError = true;
            check.ConversionFailed = read.ConversionFailed;
            check.focus = i;
            check.values.clear();
            return check;
        }
        if (rewriteZero && read.value.readsAsZero()) {
            check.zeroed.push_back(i);
        }
        check.values.push_back(read.value.toDouble());
    }
    return check;
}

LimitsRequest CheckLimits(const std::string &x1, const std::string &x2, std::size_t sameFocus)
{
    LimitsRequest request;
    const XValuesCheck check = CheckXValues({ x1, x2 }, ReadMode::Lenient, true);
    request.zeroed = check.zeroed;
    if (check.EntryError) {
        request.problem = LimitsProblem::Input;
        request.ConversionFailed = check.ConversionFailed;
        request.focus = check.focus.value_or(0);
        return request;
    }
    request.x1 = check.values[0];
    request.x2 = check.values[1];
    if (request.x1 > request.x2) {
        request.problem = LimitsProblem::SecondNotGreater;
        request.focus = 1;
    } else if (request.x1 == request.x2) {
        request.problem = LimitsProblem::SameValues;
        request.focus = sameFocus;
    }
    return request;
}

bool TextIsZero(std::string_view text)
{
    std::string plain(text);
    plain.erase(std::remove(plain.begin(), plain.end(), ','), plain.end());
    const ReadOutcome read = ReadNumber(plain);
    return read.value.isNumeric() && read.value.toDouble() == 0.0;
}

} // namespace tools::analysis
