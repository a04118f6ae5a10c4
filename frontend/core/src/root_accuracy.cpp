#include "frontend/core/root_accuracy.h"

#include "platform/files.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <numeric>

namespace frontend::core
{
namespace
{

using Complex = std::complex<double>;

constexpr double u = 0x1p-53; // unit roundoff of double
constexpr double infinity = std::numeric_limits<double>::infinity();
// What underflow can lose in one evaluation step (error-free transformations stop being exact near the
// subnormal range); added once per step, it is far below any error that matters.
constexpr double underflowLoss = 0x1p-1060;

/// A computed upper bound made safe for `k` further roundings (with room to spare: 2k + 4 units).
double inflate(double x, double k)
{
    return x * (1.0 + (2.0 * k + 4.0) * u);
}

/// A computed lower bound made safe for `k` further roundings.
double deflate(double x, double k)
{
    return x * (1.0 - (2.0 * k + 4.0) * u);
}

double magnitudeAbove(Complex z)
{
    return inflate(std::abs(z), 2);
}

double distanceAbove(Complex a, Complex b)
{
    return inflate(std::abs(a - b), 4);
}

double distanceBelow(Complex a, Complex b)
{
    return deflate(std::abs(a - b), 4);
}

// ---------------------------------------------------------------------------------------------------------
// Magnitudes beyond the double range: a mantissa and a separate binary exponent.

struct Scaled {
    double mantissa = 0.0; // in [0.5, 1), 0, or not finite
    long exponent = 0;

    static Scaled of(double x)
    {
        int e = 0;
        const double m = std::frexp(x, &e);
        return { m, e };
    }

    Scaled times(Scaled other) const
    {
        Scaled product = of(mantissa * other.mantissa);
        product.exponent += exponent + other.exponent;
        return product;
    }

    /// Upper bound of this / other (other a lower bound of the divisor); infinite for a divisor of 0.
    Scaled over(Scaled other) const
    {
        if (other.mantissa == 0.0) {
            return of(infinity);
        }
        Scaled quotient = of(inflate(mantissa / other.mantissa, 1));
        quotient.exponent += exponent - other.exponent;
        return quotient;
    }

    /// The value as a double, never below the true value (a subnormal result is rounded up).
    double upper() const
    {
        if (!std::isfinite(mantissa) || exponent > 1100) {
            return mantissa == 0.0 ? 0.0 : infinity;
        }
        if (mantissa == 0.0) {
            return 0.0;
        }
        if (exponent < -1100) {
            return std::numeric_limits<double>::denorm_min();
        }
        const double value = std::ldexp(mantissa, static_cast<int>(exponent));
        return value < std::numeric_limits<double>::min() ? value + std::numeric_limits<double>::denorm_min() : value;
    }
};

/// Upper bound of x^k for x >= 0 (binary powering).
Scaled powerAbove(double x, int k)
{
    Scaled result { 0.5, 1 };
    Scaled base = Scaled::of(x);
    for (int e = k; e > 0; e >>= 1) {
        if (e & 1) {
            result = result.times(base);
        }
        if (e > 1) {
            base = base.times(base);
        }
    }
    // x^(2^j) carries 2^j - 1 roundings, so the whole carries fewer than k + log2(k) + 1.
    result.mantissa = inflate(result.mantissa, static_cast<double>(k) + 32.0);
    return result;
}

// ---------------------------------------------------------------------------------------------------------
// Compensated Horner scheme with a bound on what it leaves.

struct Split {
    double value;
    double error; // value + error is exact
};

Split twoSum(double a, double b)
{
    const double s = a + b;
    const double bb = s - a;
    return { s, (a - (s - bb)) + (b - bb) };
}

Split twoProduct(double a, double b)
{
    const double p = a * b;
    return { p, std::fma(a, b, -p) };
}

/// Upper bound of |p(x)|, p given from its highest power down. Each Horner step s*x + c is split exactly into
/// its rounded value and the parts rounding dropped; the dropped parts form a second polynomial, evaluated
/// alongside, whose own (second-order) rounding error is bounded from the sum of the parts' magnitudes.
double valueAbove(std::span<const Complex> highFirst, Complex x)
{
    const double ax = magnitudeAbove(x);
    double sr = highFirst[0].real();
    double si = highFirst[0].imag();
    double er = 0.0;
    double ei = 0.0;
    double dropped = 0.0; // sum over steps of |dropped parts| |x|^j
    for (std::size_t i = 1; i < highFirst.size(); ++i) {
        const Split p1 = twoProduct(sr, x.real());
        const Split p2 = twoProduct(si, x.imag());
        const Split p3 = twoProduct(sr, x.imag());
        const Split p4 = twoProduct(si, x.real());
        const Split re = twoSum(p1.value, -p2.value);
        const Split im = twoSum(p3.value, p4.value);
        const Split nr = twoSum(re.value, highFirst[i].real());
        const Split ni = twoSum(im.value, highFirst[i].imag());
        const double cr = (p1.error - p2.error) + (re.error + nr.error);
        const double ci = (p3.error + p4.error) + (im.error + ni.error);
        const double tr = er * x.real() - ei * x.imag() + cr;
        ei = er * x.imag() + ei * x.real() + ci;
        er = tr;
        dropped = dropped * ax + ((std::abs(p1.error) + std::abs(p2.error)) + (std::abs(re.error) + std::abs(nr.error)))
            + ((std::abs(p3.error) + std::abs(p4.error)) + (std::abs(im.error) + std::abs(ni.error))) + underflowLoss;
        sr = nr.value;
        si = ni.value;
    }
    // The dropped parts' sums round twice and their complex Horner scheme 4 times per step.
    const auto k = static_cast<double>(highFirst.size());
    const double leftBound = inflate(dropped, 2.0 * k) * inflate((4.0 * k + 4.0) * u, 4);
    return inflate(inflate(std::abs(Complex(sr + er, si + ei)), 3) + leftBound, 2);
}

/// Upper bound of sum_j j |c_j| r^(j-1) (the derivative of p on magnitudes), p given from its highest power down.
double derivativeAbove(std::span<const Complex> highFirst, double r)
{
    double value = std::abs(highFirst[0]);
    double derivative = 0.0;
    for (std::size_t i = 1; i < highFirst.size(); ++i) {
        derivative = derivative * r + value;
        value = value * r + std::abs(highFirst[i]);
    }
    return inflate(derivative, 3.0 * static_cast<double>(highFirst.size()));
}

/// 1/z for |z| > 1, and a bound on its error.
struct Reciprocal {
    Complex value;
    double error;
};

Reciprocal reciprocal(Complex z)
{
    int e = 0;
    std::frexp(std::max(std::abs(z.real()), std::abs(z.imag())), &e);
    const double mr = std::ldexp(z.real(), -e); // exact: the scale is a power of two and |z| > 1
    const double mi = std::ldexp(z.imag(), -e);
    const double q = mr * mr + mi * mi; // in [1/4, 2)
    const Complex value(std::ldexp(mr / q, -e), std::ldexp(-mi / q, -e));
    // Each part is conj(m)/|m|^2 with a few roundings; the rest is what a subnormal part may lose.
    return { value, 8.0 * u * std::abs(value) + 0x1p-1070 };
}

/// Upper bound of |q(z)| for q of degree k given from the constant term up (`lowFirst`) and from the highest
/// power down (`highFirst`), its largest coefficient of size 2^`topExponent`. Where sum |q_j| |z|^j could
/// overflow, q(z) = z^k rev(1/z): the reversed polynomial is evaluated at the rounded 1/z, and the rounding of
/// 1/z is paid for with the derivative's bound on magnitudes (a first-order term, so only where needed).
Scaled polynomialAbove(
    std::span<const Complex> lowFirst, std::span<const Complex> highFirst, int topExponent, Complex z)
{
    const auto k = static_cast<int>(lowFirst.size()) - 1;
    const double size = std::abs(z);
    if (size <= 1.0 || topExponent + k * std::log2(size) + std::log2(k + 1.0) < 1000.0) {
        return Scaled::of(valueAbove(highFirst, z));
    }
    const Reciprocal y = reciprocal(z);
    const double reach = magnitudeAbove(y.value) + y.error;
    const double reversed = inflate(valueAbove(lowFirst, y.value) + y.error * derivativeAbove(lowFirst, reach), 2);
    return Scaled::of(reversed).times(powerAbove(magnitudeAbove(z), k));
}

// ---------------------------------------------------------------------------------------------------------
// Weierstrass corrections of a complete set of distinct approximations.

/// |d|^2 as a mantissa in [1/4, 2) and a binary exponent, for any finite difference d of two doubles.
struct SquaredDistance {
    double mantissa;
    long exponent;
};

/// 2^e for |e| <= 1022, from its bits (cheaper than a library call in the loop over all pairs).
double powerOfTwo(long e)
{
    return std::bit_cast<double>(static_cast<std::uint64_t>(e + 1023) << 52);
}

SquaredDistance squaredDistance(Complex a, Complex b)
{
    double dr = a.real() - b.real();
    double di = a.imag() - b.imag();
    long extra = 0;
    if (!std::isfinite(dr) || !std::isfinite(di)) { // two parts near the largest double, of opposite signs
        dr = a.real() / 2 - b.real() / 2;
        di = a.imag() / 2 - b.imag() / 2;
        extra = 2;
    }
    const double big = std::max(std::abs(dr), std::abs(di));
    // big = m 2^e with m in [1/2, 1): scaling by 2^-e is exact.
    auto e = static_cast<long>((std::bit_cast<std::uint64_t>(big) >> 52) & 0x7ff) - 1022;
    double sr = 0.0;
    double si = 0.0;
    if (e > -1021 && e < 1022) {
        const double scale = powerOfTwo(-e);
        sr = dr * scale;
        si = di * scale;
    } else { // subnormal, zero, or at the top of the range
        int frexpExponent = 0;
        std::frexp(big, &frexpExponent);
        e = frexpExponent;
        sr = std::ldexp(dr, -frexpExponent);
        si = std::ldexp(di, -frexpExponent);
    }
    return { sr * sr + si * si, 2 * e + extra };
}

bool isSmaller(SquaredDistance a, SquaredDistance b)
{
    const long shift = a.exponent - b.exponent; // mantissas lie within a factor 8 of each other
    if (shift > 4 || shift < -4) {
        return shift < 0;
    }
    return a.mantissa * powerOfTwo(shift) < b.mantissa;
}

/// Lower bound of the distance itself.
double distanceBelow(SquaredDistance d)
{
    const bool odd = d.exponent % 2 != 0; // then sqrt(m 2^e) = sqrt(2m) 2^((e - 1) / 2)
    const double root = std::sqrt(odd ? 2.0 * d.mantissa : d.mantissa);
    const double distance = std::ldexp(deflate(root, 4), static_cast<int>((odd ? d.exponent - 1 : d.exponent) / 2));
    return std::min(distance, std::numeric_limits<double>::max());
}

/// Upper bounds of |W_i| for the distinct approximations z of the roots of q (degree k = z.size(), coefficients
/// from the constant term up), and the lower bound of each z_i's distance to the nearest other one.
struct Corrections {
    std::vector<double> w;
    std::vector<double> nearest;
};

Corrections weierstrassCorrections(std::span<const Complex> q, std::span<const Complex> z)
{
    const std::size_t k = z.size();
    std::vector<double> mantissa(k, 1.0);
    std::vector<long> exponent(k, 0);
    Corrections out { std::vector<double>(k), std::vector<double>(k, infinity) };
    std::vector<SquaredDistance> nearest(k, SquaredDistance { 1.0, std::numeric_limits<long>::max() / 2 });
    for (std::size_t i = 0; i < k; ++i) {
        for (std::size_t j = i + 1; j < k; ++j) {
            const SquaredDistance d = squaredDistance(z[i], z[j]);
            for (const std::size_t m : { i, j }) {
                mantissa[m] *= d.mantissa;
                exponent[m] += d.exponent;
                if (mantissa[m] > 0x1p900 || mantissa[m] < 0x1p-900) {
                    int e = 0;
                    mantissa[m] = std::frexp(mantissa[m], &e);
                    exponent[m] += e;
                }
            }
            nearest[i] = isSmaller(d, nearest[i]) ? d : nearest[i];
            nearest[j] = isSmaller(d, nearest[j]) ? d : nearest[j];
        }
    }
    for (std::size_t i = 0; i < k && k > 1; ++i) {
        out.nearest[i] = distanceBelow(nearest[i]);
    }
    const std::vector<Complex> highFirst(q.rbegin(), q.rend());
    const Scaled leading = Scaled::of(std::abs(q.back()));
    int topExponent = 0;
    std::frexp(std::accumulate(q.begin(),
                   q.end(),
                   0.0,
                   [](double m, Complex c) {
                       return std::max(m, std::abs(c));
                   }),
        &topExponent);
    const double roundings = 3.0 * static_cast<double>(k) + 8.0; // products of squared distances, then the root
    for (std::size_t i = 0; i < k; ++i) {
        Scaled squared = Scaled::of(mantissa[i]);
        squared.exponent += exponent[i];
        if (squared.exponent % 2 != 0) {
            squared.mantissa *= 2.0;
            squared.exponent -= 1;
        }
        Scaled product { deflate(std::sqrt(squared.mantissa), roundings), squared.exponent / 2 };
        product = product.times(leading);
        product.mantissa = deflate(product.mantissa, 1);
        const double w = polynomialAbove(q, highFirst, topExponent, z[i]).over(product).upper();
        out.w[i] = std::isnan(w) ? infinity : w;
    }
    return out;
}

// ---------------------------------------------------------------------------------------------------------
// Discs and clusters.

/// Union-find over the roots, joining those whose discs overlap.
class Groups
{
public:
    explicit Groups(std::size_t n)
        : m_parent(n)
    {
        std::iota(m_parent.begin(), m_parent.end(), std::size_t { 0 });
    }
    std::size_t find(std::size_t i)
    {
        while (m_parent[i] != i) {
            m_parent[i] = m_parent[m_parent[i]];
            i = m_parent[i];
        }
        return i;
    }
    void join(std::size_t a, std::size_t b) { m_parent[find(a)] = find(b); }

private:
    std::vector<std::size_t> m_parent;
};

/// Smallest radius about a lone root z_i from Gerschgorin's theorem with row i scaled by t: the disc about
/// z_i of radius w_i + t (T - w_i) holds one root when it misses the others, which then have radius
/// T - w_i + w_i / t about their z_k (T the sum of all w). Infinite when no t separates them.
double loneRootRadius(double wi, double total, double nearest)
{
    const double others = inflate(total - wi, 2);
    if (others == 0.0) {
        return wi; // the only root
    }
    // others t^2 - (nearest - total) t + wi < 0 for t between the two roots of the quadratic.
    const double gap = deflate(nearest, 2) - inflate(total, 2);
    const double discriminant = gap * gap - 4.0 * others * wi;
    if (!(gap > 0.0) || !(discriminant > 0.0)) {
        return infinity;
    }
    const double t = 2.0 * wi / (gap + std::sqrt(discriminant)) * (1.0 + 0x1p-20);
    if (!(inflate(total + t * others + wi / t, 6) < deflate(nearest, 2))) {
        return infinity;
    }
    return inflate(wi + t * others, 4);
}

/// The column discs D(z_i, n w_i) of distinct approximations z, their connected groups, and for a disc that stands
/// alone the (smaller) radius of the scaled-row disc.
struct Discs {
    bool bounded = false; // false when some disc is unbounded: it covers the plane, nothing is certified
    std::vector<double> radius;
    std::vector<double> lone; // radius about a lone z_i (infinite where the disc is not alone)
    std::vector<std::vector<std::size_t>> groups; // indices into z, in increasing order
};

Discs discsOf(std::span<const Complex> q, std::span<const Complex> z)
{
    Discs discs;
    const std::size_t k = z.size();
    const Corrections c = weierstrassCorrections(q, z);
    discs.bounded = std::all_of(c.w.begin(), c.w.end(), [](double w) {
        return std::isfinite(w);
    });
    if (!discs.bounded) {
        return discs;
    }
    const auto n = static_cast<double>(k);
    discs.radius.resize(k);
    double total = 0.0;
    for (std::size_t i = 0; i < k; ++i) {
        discs.radius[i] = inflate(n * c.w[i], 1);
        total += c.w[i];
    }
    total = inflate(total, n);
    Groups groups(k);
    for (std::size_t i = 0; i < k; ++i) {
        for (std::size_t j = i + 1; j < k; ++j) {
            const double reach = discs.radius[i] + discs.radius[j];
            const Complex d = z[i] - z[j];
            if (std::abs(d.real()) <= reach && std::abs(d.imag()) <= reach && distanceBelow(z[i], z[j]) <= reach) {
                groups.join(i, j);
            }
        }
    }
    std::vector<std::vector<std::size_t>> members(k);
    for (std::size_t i = 0; i < k; ++i) {
        members[groups.find(i)].push_back(i);
    }
    discs.lone.assign(k, infinity);
    for (auto &group : members) {
        if (group.size() == 1) {
            discs.lone[group[0]] = loneRootRadius(c.w[group[0]], total, c.nearest[group[0]]);
        }
        if (!group.empty()) {
            discs.groups.push_back(std::move(group));
        }
    }
    return discs;
}

Complex meanOf(std::span<const Complex> shown, const std::vector<std::size_t> &group)
{
    Complex sum = 0.0;
    for (const std::size_t i : group) {
        sum += shown[i];
    }
    return sum / static_cast<double>(group.size());
}

/// Radius about `centre` of the disc that covers the discs of `group`.
double coverRadius(
    Complex centre, std::span<const Complex> z, const Discs &discs, const std::vector<std::size_t> &group)
{
    double radius = 0.0;
    for (const std::size_t i : group) {
        radius = std::max(radius, distanceAbove(centre, z[i]) + discs.radius[i]);
    }
    return inflate(radius, 2);
}

/// Cover radii of the groups of `discs` about their centres, made smaller where the theorem allows it with other
/// points: approximations far closer together than the polynomial's value can be resolved give discs far larger
/// than their spread, while points spread on a circle about the centre (of radius eps^(s/m) for an m-fold group)
/// give discs about as large as that circle. A trial counts when the circle's points form the same group alone.
std::vector<double> groupRadii(
    std::span<const Complex> q, std::span<const Complex> z, std::span<const Complex> shown, const Discs &discs)
{
    std::vector<double> best;
    for (const auto &group : discs.groups) {
        best.push_back(coverRadius(meanOf(shown, group), z, discs, group));
    }
    for (const double s : { 1.0, 1.5, 2.0 }) {
        std::vector<Complex> trial(z.begin(), z.end());
        bool any = false;
        for (const auto &group : discs.groups) {
            const auto m = static_cast<double>(group.size());
            const Complex centre = meanOf(shown, group);
            const double rho = std::max(std::abs(centre), 0x1p-900) * std::pow(u, s / m);
            for (std::size_t l = 0; l < group.size() && m > 1; ++l) {
                trial[group[l]] = centre + std::polar(rho, 0.5 + 6.283185307179586 * static_cast<double>(l) / m);
                any = true;
            }
        }
        const Discs moved = any ? discsOf(q, trial) : Discs {};
        if (!moved.bounded) {
            continue;
        }
        for (std::size_t g = 0; g < discs.groups.size(); ++g) {
            if (discs.groups[g].size() > 1
                && std::find(moved.groups.begin(), moved.groups.end(), discs.groups[g]) != moved.groups.end()) {
                const Complex centre = meanOf(shown, discs.groups[g]);
                best[g] = std::min(best[g], coverRadius(centre, trial, moved, discs.groups[g]));
            }
        }
    }
    return best;
}

/// Fills the report for the distinct approximations `z` of the roots of q (their original values `shown`, each
/// at most `moved[i]` away), at the roots' positions `where`.
void certify(std::span<const Complex> q,
    std::span<const Complex> z,
    std::span<const Complex> shown,
    std::span<const double> moved,
    std::span<const int> where,
    AccuracyReport &report)
{
    const Discs discs = discsOf(q, z);
    if (!discs.bounded) {
        return;
    }
    const std::vector<double> radii = groupRadii(q, z, shown, discs);
    for (std::size_t g = 0; g < discs.groups.size(); ++g) {
        const auto &group = discs.groups[g];
        RootCluster cluster;
        cluster.centre = meanOf(shown, group);
        cluster.radius = radii[g];
        const int index = static_cast<int>(report.clusters.size());
        for (const std::size_t i : group) {
            // A member's own disc may hold no root: its bound is the radius about it that covers the group.
            double bound = distanceAbove(shown[i], cluster.centre) + cluster.radius;
            if (group.size() == 1) {
                bound = inflate(std::min(discs.radius[i], discs.lone[i]) + moved[i], 1);
                cluster.radius = bound;
            }
            RootAccuracy &accuracy = report.roots[static_cast<std::size_t>(where[i])];
            accuracy.errorBound = inflate(bound, 1);
            accuracy.correctDigits = CorrectDigits(shown[i], accuracy.errorBound);
            accuracy.cluster = index;
            accuracy.multiplicity = static_cast<int>(group.size());
            cluster.members.push_back(where[i]);
        }
        report.clusters.push_back(std::move(cluster));
    }
}

/// Moves repeated approximations a little apart (the inclusion needs distinct points): the l-th copy of a value
/// goes to a circle of radius 2^-26 |z| about it. Returns how far each point moved.
std::vector<double> separate(std::vector<Complex> &z)
{
    std::vector<std::size_t> order(z.size());
    std::iota(order.begin(), order.end(), std::size_t { 0 });
    const auto less = [&z](std::size_t a, std::size_t b) {
        return z[a].real() != z[b].real() ? z[a].real() < z[b].real() : z[a].imag() < z[b].imag();
    };
    std::sort(order.begin(), order.end(), less);
    std::vector<double> moved(z.size(), 0.0);
    for (std::size_t start = 0; start < order.size();) {
        std::size_t end = start + 1;
        while (end < order.size() && z[order[end]] == z[order[start]]) {
            ++end;
        }
        const Complex value = z[order[start]];
        const double step = std::max(std::abs(value), 0x1p-960) * 0x1p-26;
        for (std::size_t l = 1; l < end - start; ++l) {
            const double angle = 6.283185307179586 * static_cast<double>(l) / static_cast<double>(end - start);
            const std::size_t i = order[start + l];
            z[i] = value + std::polar(step, angle);
            moved[i] = distanceAbove(z[i], value);
        }
        start = end;
    }
    return moved;
}

/// Roots that stand alone, bound unknown (nothing certified them).
void leaveUncertified(std::span<const Complex> roots, AccuracyReport &report)
{
    for (std::size_t i = 0; i < roots.size(); ++i) {
        RootAccuracy &accuracy = report.roots[i];
        if (!accuracy.found || accuracy.cluster >= 0) {
            continue;
        }
        accuracy.cluster = static_cast<int>(report.clusters.size());
        accuracy.multiplicity = 1;
        report.clusters.push_back({ roots[i], infinity, { static_cast<int>(i) } });
    }
}

/// The exact roots at the origin, one per vanishing constant term: bound 0, one cluster.
void certifyOrigin(std::span<const int> zeros, AccuracyReport &report)
{
    if (zeros.empty()) {
        return;
    }
    RootCluster cluster { 0.0, 0.0, {} };
    for (const int i : zeros) {
        RootAccuracy &accuracy = report.roots[static_cast<std::size_t>(i)];
        accuracy.errorBound = 0.0;
        accuracy.correctDigits = maxCorrectDigits;
        accuracy.cluster = static_cast<int>(report.clusters.size());
        accuracy.multiplicity = static_cast<int>(zeros.size());
        cluster.members.push_back(i);
    }
    report.clusters.push_back(std::move(cluster));
}

bool isFinite(Complex z)
{
    return std::isfinite(z.real()) && std::isfinite(z.imag());
}

AccuracyReport accuracyOf(std::span<const Complex> coefficients, std::span<const Complex> roots)
{
    AccuracyReport report;
    report.roots.resize(roots.size());
    auto top = static_cast<int>(coefficients.size()) - 1;
    while (top >= 0 && coefficients[static_cast<std::size_t>(top)] == 0.0) {
        --top;
    }
    int low = 0;
    while (low < top && coefficients[static_cast<std::size_t>(low)] == 0.0) {
        ++low;
    }
    std::vector<int> zeros;
    std::vector<int> where;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        const auto index = static_cast<int>(i);
        if (!isFinite(roots[i])) {
            report.roots[i].found = false;
        } else if (roots[i] == 0.0 && static_cast<int>(zeros.size()) < low) {
            zeros.push_back(index);
        } else {
            where.push_back(index);
        }
    }
    certifyOrigin(zeros, report);
    const int degree = top - low;
    if (top > 0 && static_cast<int>(zeros.size()) == low && static_cast<int>(where.size()) == degree && degree > 0) {
        const auto q = coefficients.subspan(static_cast<std::size_t>(low), static_cast<std::size_t>(degree) + 1);
        std::vector<Complex> shown;
        for (const int i : where) {
            shown.push_back(roots[static_cast<std::size_t>(i)]);
        }
        std::vector<Complex> z = shown;
        const std::vector<double> moved = separate(z);
        certify(q, z, shown, moved, where, report);
    }
    leaveUncertified(roots, report);
    return report;
}

std::string shortest(double value)
{
    std::array<char, 32> text {};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return std::string(text.data(), end);
}

} // namespace

AccuracyReport RootAccuracyOf(std::span<const double> coefficients, std::span<const Complex> roots)
{
    const std::vector<Complex> complex(coefficients.begin(), coefficients.end());
    return accuracyOf(complex, roots);
}

AccuracyReport RootAccuracyOf(std::span<const Complex> coefficients, std::span<const Complex> roots)
{
    return accuracyOf(coefficients, roots);
}

int CorrectDigits(Complex value, double bound)
{
    if (bound == 0.0) {
        return maxCorrectDigits;
    }
    const double size = std::abs(value);
    if (!(bound < infinity) || size == 0.0) {
        return 0;
    }
    const double digits = std::floor(std::log10(size) - std::log10(bound));
    return static_cast<int>(std::clamp(digits, 0.0, static_cast<double>(maxCorrectDigits)));
}

std::string AccuracyCsvRow(Complex root, const RootAccuracy &accuracy)
{
    return shortest(root.real()) + "," + shortest(root.imag()) + "," + shortest(accuracy.errorBound) + ","
        + std::to_string(accuracy.correctDigits) + "," + std::to_string(accuracy.multiplicity);
}

std::string AccuracyCsv(std::span<const Complex> roots, const AccuracyReport &report)
{
    std::string text = std::string(accuracyCsvHeader) + "\n";
    for (std::size_t i = 0; i < roots.size() && i < report.roots.size(); ++i) {
        text += AccuracyCsvRow(roots[i], report.roots[i]) + "\n";
    }
    return text;
}

bool SaveAccuracyCsv(const std::filesystem::path &path, std::span<const Complex> roots, const AccuracyReport &report)
{
    return platform::replaceFile(path, AccuracyCsv(roots, report), platform::FileOwner::User);
}

} // namespace frontend::core
