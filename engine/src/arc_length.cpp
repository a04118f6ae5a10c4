#include "arc_length.h"

#include "list_input.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace engine
{
namespace
{

// x^i by repeated squaring, as a real raised to an integer power (x^0 = 1).
double integerPower(double x, std::int32_t i)
{
    double result = 1.0;
    double factor = x;
    for (std::uint32_t e = static_cast<std::uint32_t>(i); e != 0; e >>= 1) {
        if (e & 1u) {
            result *= factor;
        }
        factor *= factor;
    }
    return result;
}

// Length of one chord. The squares of the sides overflow for steep curves of high degree long before the
// length does: then, and only then, the scaled form is used.
double chord(double dx, double dy)
{
    const double square = dx * dx + dy * dy;
    if (std::isfinite(square) && square > 0x1p-960) {
        return std::sqrt(square);
    }
    return std::hypot(dx, dy);
}

// One inscribed polygon, built vertex by vertex from x1 with chords of the same width.
struct Polygon {
    double step; // chord width
    double x; // last vertex
    double y;
    double next = 1.0; // number of the next vertex, counted as a double
    double length = 0.0;

    // The next vertex is next * step + x1; y is p there.
    void addVertex(double x1, double yNext)
    {
        const double xNext = next * step + x1;
        length += chord(xNext - x, yNext - y);
        x = xNext;
        y = yNext;
        next += 1.0;
    }
};

struct PolygonLengths {
    double s1 = 0, s2 = 0, s3 = 0; // N, 2N and 4N chords
};

// The three polygon lengths in one sweep over the 4N + 1 points of the finest polygon: the vertices of the
// coarser ones are among them (k * h/4 with h the coarse width is exactly the same double as (k/4) * h), so
// each value of p is computed once and each sum is formed in the same order as chord by chord.
PolygonLengths polygons(const std::vector<double> &coef, std::int32_t n, double x1, double length, std::int64_t chords)
{
    const double y1 = POLINOM(coef, n, x1);
    Polygon coarse { length / static_cast<double>(chords), x1, y1 };
    Polygon middle { length / static_cast<double>(2 * chords), x1, y1 };
    Polygon fine { length / static_cast<double>(4 * chords), x1, y1 };
    for (std::int64_t k = 1; k <= 4 * chords; ++k) {
        const double y = POLINOM(coef, n, fine.next * fine.step + x1);
        fine.addVertex(x1, y);
        if (k % 2 == 0) {
            middle.addVertex(x1, y);
        }
        if (k % 4 == 0) {
            coarse.addVertex(x1, y);
        }
    }
    return { coarse.length, middle.length, fine.length };
}

} // namespace

double POLINOM(const std::vector<double> &coef, std::int32_t n, double x)
{
    double sum = 0.0;
    for (std::int32_t i = 0; i <= n; ++i) {
        sum += coef[static_cast<std::size_t>(i)] * integerPower(x, i);
    }
    return sum;
}

ArcLengthResult arcLength(const std::vector<double> &coef, double x1, double x2)
{
    const auto n = static_cast<std::int32_t>(coef.size()) - 1;
    const double length = x2 - x1;
    // A constant starts from one chord: its polygon is the curve itself, |x2 - x1|.
    std::int64_t chords = std::max<std::int64_t>(4 * static_cast<std::int64_t>(n), 1);
    for (;;) {
        const PolygonLengths s = polygons(coef, n, x1, length, chords);
        if (s.s3 == s.s2) {
            return { s.s2, 4 * chords, false };
        }
        if (!std::isfinite(s.s3)) {
            return { s.s3, 4 * chords, false }; // overflowed: finer polygons will not bring it back
        }
        const double ratio = (s.s2 - s.s1) / (s.s3 - s.s2);
        if (ratio >= 4.0) {
            // The observed order p = ln R / ln 2 and E = 2^p: the limit of the geometric sequence.
            const double order = std::log(ratio) / 0.6931471805599453;
            const double e = std::pow(2.0, order);
            return { s.s1 + (s.s2 - s.s1) / (1.0 - 1.0 / e), 4 * chords, false };
        }
        if (4 * chords >= maxChords) {
            // The differences are rounding noise (an almost straight curve) or not numbers: the finest
            // polygon is as close as it gets.
            return { s.s3, 4 * chords, true };
        }
        chords *= 2;
    }
}

double ARCLENGTH(ListReader &input)
{
    const std::int32_t n = input.readInteger();
    if (n < 0 || n > maxArcLengthDegree) {
        throw InputError("the degree of an arc-length request must be 0 to " + std::to_string(maxArcLengthDegree));
    }
    std::vector<double> coef;
    for (std::int64_t i = n; i >= 0; --i) {
        coef.push_back(input.readReal());
    }
    std::reverse(coef.begin(), coef.end()); // read leading first, kept by power
    const double x1 = input.readReal();
    const double x2 = input.readReal();
    return arcLength(coef, x1, x2).length;
}

} // namespace engine
