#pragma once
// Arc length of y = p(x) between two abscissae: inscribed polygons of N, 2N and 4N chords, accelerated by
// extrapolation once the lengths converge like those of a second-order method.

#include <cstdint>
#include <vector>

namespace engine
{

class ListReader;

/// Sum of coef[i] * x^i for i = 0 .. n, from i = 0 upwards, each power formed on its own.
double POLINOM(const std::vector<double> &coef, std::int32_t n, double x);

struct ArcLengthResult {
    double length = 0;
    std::int64_t chords = 0; // chord count of the finest polygon used
    bool bounded = false; // the doubling reached its limit; length is then the finest polygon's
};

/// The largest chord count of the finest polygon; past it the finest polygon's length is the answer.
inline constexpr std::int64_t maxChords = std::int64_t(1) << 18;

/// The largest degree an arc-length request may have (the solver's own limit).
inline constexpr std::int32_t maxArcLengthDegree = 100;

/// The length of the curve of the polynomial coef (index i: coefficient of x^i) from x1 to x2.
ArcLengthResult arcLength(const std::vector<double> &coef, double x1, double x2);

/// The "L" request: reads the degree, the coefficients (leading first), x1 and x2; returns the length.
double ARCLENGTH(ListReader &input);

} // namespace engine
