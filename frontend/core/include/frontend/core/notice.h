#pragma once
// What a check found, in the order the user must be told. The windows turn each notice into its
// fixed message (one catalogue), so the rules here stay free of any user-interface code.

#include <vector>

namespace frontend::core
{

enum class Notice {
    DivisionByZero, // a fraction's denominator was 0 (told by the reader itself, before the caller's message)
    // coefficients typed in the main window
    LeadingNotNumeric,
    LeadingZero,
    ComplexLeadingNotNumeric,
    ComplexLeadingZero,
    CoefficientInput,
    // roots typed in the equation creator
    RootsInput,
    // coefficient files
    FileDegree,
    FileCount,
    FileLeadingNotNumeric,
    FileLeadingZero,
    FileComplexLeadingNotNumeric,
    FileComplexLeadingZero,
    FileCoefficientInput,
    FileGeneral,
    // roots files
    RootsFileDegree,
    RootsFileValue,
    RootsFileRead,
};

using Notices = std::vector<Notice>;

} // namespace frontend::core
