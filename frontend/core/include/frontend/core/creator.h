#pragma once
// The equation creator: the polynomial a (x - r_1)(x - r_2)...(x - r_n) multiplied out in complex
// arithmetic from its leading coefficient and roots, and the texts that show and save it.

#include "frontend/core/equation.h"
#include "frontend/core/roots_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace frontend::core
{

/// (a + bi)(c + di) = (ac - bd) + (bc + ad)i; nothing when a part overflows or is not a number.
std::optional<ComplexValue> ComplexMultiply(ComplexValue x, ComplexValue y);
/// (a + bi) + (c + di) = (a + c) + (b + d)i; nothing when a part overflows or is not a number.
std::optional<ComplexValue> ComplexAdd(ComplexValue x, ComplexValue y);

/// The roots an equation is created from, as the created-equation window lists them.
struct CreatorRoots {
    bool RealResult = true; // every imaginary part reads equal to "0" (compared as text)
    std::vector<std::string> entries; // the list of given roots
    std::vector<ComplexValue> roots; // root k at position k - 1
};

/// Roots typed in the roots window, after their check (root k's parts at index k - 1): a root whose
/// imaginary part is the number 0 is listed as "(" real text ")", any other as "(" re ") + (" im ")i".
CreatorRoots TypedCreatorRoots(const CoefficientTexts &checked);
/// Roots read from a roots file: a real root listed with the general text of its value, a blank before a
/// non-negative one ("( 2)"), a complex one with its texts as in the file.
CreatorRoots FileCreatorRoots(const RootsFile &file);

/// The coefficients c_0..c_n (by power) of a (x - r_1)...(x - r_n); nothing when one overflows a double.
std::optional<std::vector<ComplexValue>> ExpandRoots(ComplexValue leading, const std::vector<ComplexValue> &roots);

/// The created equation as shown and as saved.
struct CreatedEquation {
    std::string equationText; // "0 = " and the terms
    std::vector<std::string> listEntries; // one term per entry, from the leading one down
    std::vector<std::string> CreatedLines; // the saved coefficient lines, from the leading one down
};

/// Whether the created equation is shown with complex coefficients: a leading coefficient with an
/// imaginary part, or a root whose imaginary part is not the text "0".
bool ComplexDisplay(ComplexValue leading, bool realResult);
/// Multiplies out and lays out the created equation with `decimals` shown; nothing on an overflow.
std::optional<CreatedEquation> ShowCreatedEquation(
    ComplexValue leading, const CreatorRoots &roots, std::size_t decimals);
/// The created equation as a coefficient file: the degree and its comment, then the coefficient lines.
std::vector<std::string> CreatedFileLines(const CreatedEquation &equation);

} // namespace frontend::core
