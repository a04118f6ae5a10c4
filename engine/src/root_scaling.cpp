#include "root_scaling.h"

#include "newton_polygon.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace engine
{
namespace
{

using Complex = std::complex<double>;

// The Newton polygon places a group of roots within a factor of about 2n of its edge's modulus: these limits
// leave that much room beyond the subnormal and the overflow thresholds.
constexpr double zeroLimit = -1074.0 - 8.0;
constexpr double lostLimit = 1024.0 + 8.0;
// Exponent span within which every coefficient of a piece stays a normal double after the scaling, and how far
// above one the largest coefficient may be raised when a piece spans more (evaluations keep room for it).
constexpr long normalSpan = 1020;
constexpr long maxHeadroom = 100;
// Gaps in the polygon wide enough to split at: the parts' product differs from the polynomial by about 2n times
// 2^-gap relative to the terms that matter. Pieces are split at wide gaps always (far below the last bit; each
// part is then scaled on its own), and at narrower ones, down to a rounding per coefficient, when no one
// scaling keeps the piece's first and last coefficient normal (which would lose more).
constexpr double wideGap = 96.0;
constexpr double narrowGap = 52.0;

long exponentOf(double x)
{
    return std::ilogb(std::fabs(x));
}

long exponentOf(Complex z)
{
    return std::ilogb(std::max(std::fabs(z.real()), std::fabs(z.imag())));
}

double timesPowerOfTwo(double x, long e)
{
    return std::ldexp(x, static_cast<int>(std::clamp(e, -4000L, 4000L)));
}

Complex timesPowerOfTwo(Complex z, long e)
{
    return { timesPowerOfTwo(z.real(), e), timesPowerOfTwo(z.imag(), e) };
}

long floorDivide(long a, long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// The shifts that keep both ends of c[0..d] (highest power first) normal beside the largest coefficient, as
// [lo, hi] (empty when none does).
template <typename Value>
void shiftRange(const Value *c, int d, long &lo, long &hi)
{
    const long low = exponentOf(c[d]); // x^0
    const long high = exponentOf(c[0]); // x^d
    lo = LONG_MIN / 4;
    hi = LONG_MAX / 4;
    // After the shift s the coefficient of x^k has the exponent e + s k; neither end may lie normalSpan below it.
    for (int k = 0; k <= d; ++k) {
        if (c[d - k] == Value(0)) {
            continue;
        }
        const long e = exponentOf(c[d - k]);
        if (k > 0) {
            hi = std::min(hi, floorDivide(normalSpan + low - e, k));
        }
        if (k < d) {
            lo = std::max(lo, -floorDivide(normalSpan + high - e, d - k));
        }
    }
}

// The largest exponent among the coefficients of c[0..d] after the shift s.
template <typename Value>
long topExponent(const Value *c, int d, long s)
{
    long top = LONG_MIN;
    for (int i = 0; i <= d; ++i) {
        if (c[i] != Value(0)) {
            top = std::max(top, exponentOf(c[i]) + s * (d - i));
        }
    }
    return top;
}

struct Scaling {
    long shift = 0;
    long headroom = 0; // how far above one the largest coefficient goes
    bool keepsEndsNormal = true;
};

// The scaling of c[0..d] (highest power first). Where some shift keeps both ends normal beside the largest
// coefficient, the one nearest the roots' geometric mean, with the largest coefficient brought to one.
// Otherwise the shift that keeps the deeper end least deep, with the largest coefficient raised above one
// (up to 2^maxHeadroom, which the evaluations leave room for) so that the ends stay normal where they can.
template <typename Value>
Scaling chooseScaling(const Value *c, int d)
{
    const long low = exponentOf(c[d]);
    const long high = exponentOf(c[0]);
    const auto depth = [&](long s) {
        const long top = topExponent(c, d, s);
        return std::max(top - low, top - (high + s * d));
    };
    Scaling scaling;
    scaling.shift = std::lround(static_cast<double>(low - high) / d);
    if (depth(scaling.shift) <= normalSpan) {
        return scaling; // the common case: the geometric mean itself
    }
    long lo = 0, hi = 0;
    shiftRange(c, d, lo, hi);
    if (lo <= hi) {
        scaling.shift = std::clamp(scaling.shift, lo, hi);
        return scaling;
    }
    long deepest = LONG_MAX;
    for (long s = hi; s <= lo; ++s) {
        if (const long e = depth(s); e < deepest) {
            deepest = e;
            scaling.shift = s;
        }
    }
    scaling.headroom = std::clamp(deepest - normalSpan, 0L, maxHeadroom);
    scaling.keepsEndsNormal = false;
    return scaling;
}

template <typename Value>
ScaledPiece<Value> scalePiece(const Value *c, int d, const Scaling &scaling)
{
    const long top = topExponent(c, d, scaling.shift);
    ScaledPiece<Value> piece;
    piece.shift = static_cast<int>(scaling.shift);
    piece.coefficients.reserve(static_cast<std::size_t>(d) + 1);
    for (int i = 0; i <= d; ++i) {
        piece.coefficients.push_back(timesPowerOfTwo(c[i], scaling.shift * (d - i) - top + scaling.headroom));
    }
    return piece;
}

// Plans the roots of the powers edges[first].from .. edges[last].to of coeff (highest power first, degree n).
template <typename Value>
void planPiece(
    const Value *coeff, int n, const PolygonEdge *edges, int first, int last, bool exact, RootPlan<Value> &plan)
{
    const int from = edges[first].from;
    const int to = edges[last].to;
    const Value *c = coeff + (n - to); // c[0..to - from]: x^to down to x^from
    const int d = to - from;
    const Scaling scaling = chooseScaling(c, d);
    if (first < last) {
        int widest = first;
        for (int e = first; e < last; ++e) {
            if (edges[e + 1].logModulus - edges[e].logModulus
                > edges[widest + 1].logModulus - edges[widest].logModulus) {
                widest = e;
            }
        }
        const double gap = edges[widest + 1].logModulus - edges[widest].logModulus;
        if (gap >= wideGap || (!scaling.keepsEndsNormal && gap >= narrowGap)) {
            const bool partsExact = exact && gap >= wideGap;
            planPiece(coeff, n, edges, first, widest, partsExact, plan);
            planPiece(coeff, n, edges, widest + 1, last, partsExact, plan);
            return;
        }
    }
    ScaledPiece<Value> piece = scalePiece(c, d, scaling);
    const auto normal = [](Value x) {
        return std::abs(x) >= 0x1p-1022;
    };
    piece.exact = exact && normal(piece.coefficients.front()) && normal(piece.coefficients.back());
    plan.pieces.push_back(std::move(piece));
}

template <typename Value>
RootPlan<Value> plan(const Value *coeff, int n)
{
    RootPlan<Value> result;
    std::array<PolygonEdge, 100> edges;
    const int count = newtonPolygon(coeff, n, edges.data());
    // Groups beyond the range are set aside only where a wide gap parts them from the rest (as a split would);
    // otherwise they stay in, and their roots come out as zero or as too large when found.
    const auto gapAfter = [&](int e) {
        return edges[static_cast<std::size_t>(e + 1)].logModulus - edges[static_cast<std::size_t>(e)].logModulus;
    };
    int first = 0;
    int last = count - 1;
    while (
        first < last && edges[static_cast<std::size_t>(first)].logModulus < zeroLimit && gapAfter(first) >= wideGap) {
        result.zeroRoots = edges[static_cast<std::size_t>(first)].to;
        ++first;
    }
    while (
        last > first && edges[static_cast<std::size_t>(last)].logModulus > lostLimit && gapAfter(last - 1) >= wideGap) {
        result.lostRoots = n - edges[static_cast<std::size_t>(last)].from;
        --last;
    }
    if (first == last
        && (edges[static_cast<std::size_t>(first)].logModulus < zeroLimit
            || edges[static_cast<std::size_t>(first)].logModulus > lostLimit)) {
        // One group left, and all of it beyond the range.
        if (edges[static_cast<std::size_t>(first)].logModulus < zeroLimit) {
            result.zeroRoots = edges[static_cast<std::size_t>(first)].to;
        } else {
            result.lostRoots = n - edges[static_cast<std::size_t>(first)].from;
        }
        return result;
    }
    if (first <= last) {
        planPiece(coeff, n, edges.data(), first, last, true, result);
    }
    return result;
}

} // namespace

RootPlan<double> planRootSearch(const double *coeff, int n)
{
    return plan(coeff, n);
}

RootPlan<Complex> planRootSearch(const Complex *coeff, int n)
{
    return plan(coeff, n);
}

Complex unscaleRoot(Complex y, int shift)
{
    return timesPowerOfTwo(y, shift);
}

} // namespace engine
