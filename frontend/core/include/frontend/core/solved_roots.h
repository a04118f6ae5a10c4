#pragma once
// The roots of a solve as numbers, each with its nature as the list counts it and its accuracy: what the
// results window's accuracy column, its picture of the roots and its CSV show. The texts made of numbers
// alone are built here; the window puts its translated words around them.

#include "frontend/core/equation.h"
#include "frontend/core/root_accuracy.h"

#include <complex>
#include <cstddef>
#include <string>
#include <vector>

namespace frontend::core
{

struct SolvedRoots {
    std::vector<std::complex<double>> values; // in the engine's order; a root not found is (+infinity, 0)
    std::vector<bool> imaginary; // as the list counts it: its imaginary part shows as other than 0
    AccuracyReport accuracy;
    std::size_t decimals = 15; // the display precision of the list
};

/// The roots with their accuracy, worked out from the equation's own coefficients (as the check read them).
SolvedRoots solvedRoots(const Equation &equation, const std::vector<ComplexValue> &roots, std::size_t decimals);

/// An error bound with two significant digits, rounded up so that it is still a bound ("1.2e-16"); "0" for
/// an exact root; empty when the bound is unknown.
std::string boundText(double bound);
/// A cluster's size as a multiplicity: "×4" (the multiplication sign, U+00D7, in UTF-8).
std::string multiplicityText(int multiplicity);
/// A value as the list writes a root at `decimals`: "(r)", "(r) + (m)i" or "(r) - (a)i".
std::string pointText(std::complex<double> value, std::size_t decimals);

} // namespace frontend::core
