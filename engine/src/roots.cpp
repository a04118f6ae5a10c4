// The public root finders: the checks, the vanishing leading coefficients, the roots at the origin, the
// scaling and the warnings of the error service around the verified kernels (verified_solve.cpp).

#include "engine/roots.h"

#include "engine/machine.h"
#include "engine/vectors.h"
#include "kernel.h"
#include "root_scaling.h"
#include "wide_evaluation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace engine
{
namespace
{

// What differs between the real and the complex finder: the name, the texts and the degree range.
struct Finder {
    const char *name;
    int maxDegree;
    const char *degreeMessage;
    const char *leadingZerosMessage;
    bool leadingZerosCountsRoots; // the message has a second slot, for the roots set to infinity
    const char *notFoundMessage;
};

const Finder realFinder {
    "DZPORC",
    100,
    "The degree of the polynomial must be less than 101 and greater than zero.  NDEG is given as %(I1).",
    "The %(I1) leading coefficients of the polynomial are equal to zero.  The last %(I2) roots will be set to "
    "CMPLX(FINITY,0.0) where FINITY is the largest machine constant.",
    true,
    "Only %(I1) roots were found.  The ROOT vector will contain the value for machine infinity in the last %(I2) "
    "locations.",
};

const Finder complexFinder {
    "DZPOCC",
    49,
    "The degree of the polynomial must be less than 50 and greater than zero.  NDEG is given as %(I1).",
    "The %(I1) leading coefficients of the polynomial are equal to zero.  The last %(I1) roots will be set to "
    "CMPLX(FINITY,0.0) where FINITY is the largest machine constant.",
    false,
    "Only %(I1) zeros were found.  The last %(I2) locations of the ROOT vector will be set to CMPLX(FINITY,0.0), "
    "where FINITY is the largest machine constant.",
};

constexpr const char *oneLeadingZero =
    "The leading coefficient of the polynomial is equal to zero.  The last root will be set to CMPLX(FINITY,0.0) "
    "where FINITY is the largest machine constant.";

MachineConstants machineConstants(ErrorService &errors)
{
    MachineConstants machine;
    machine.base = IMACH(6, errors);
    machine.infin = DMACH(2, errors);
    machine.smalno = DMACH(1, errors);
    machine.eta = DMACH(4, errors);
    return machine;
}

bool isFinite(double x)
{
    return std::isfinite(x);
}

bool isFinite(Complex z)
{
    return std::isfinite(z.real()) && std::isfinite(z.imag());
}

bool refuseDegree(std::int32_t ndeg, const Finder &finder, ErrorService &errors)
{
    if (ndeg <= finder.maxDegree && ndeg >= 1) {
        return false;
    }
    errors.E1STI(1, ndeg);
    errors.E1MES(Terminal, 1, finder.degreeMessage);
    errors.E1POP(finder.name); // prints and stops
    return true;
}

// Counts the vanishing leading coefficients of coeff (highest power first) and puts one root at infinity for
// each, filled in from the end; warns of them. Returns the count m (ndeg + 1 when every coefficient vanishes).
template <typename Value>
int markLeadingZeros(int ndeg,
    std::span<const Value> coeff,
    std::span<Complex> root,
    double finity,
    const Finder &finder,
    ErrorService &errors)
{
    int m = 0;
    while (coeff[static_cast<std::size_t>(m)] == Value(0)) {
        ++m;
        if (m > ndeg) {
            break;
        }
        root[static_cast<std::size_t>(ndeg - m)] = Complex(finity, 0.0);
    }
    if (m == 1) {
        errors.E1MES(Warning, 1, oneLeadingZero);
    } else if (m > 1) {
        errors.E1STI(1, m);
        if (finder.leadingZerosCountsRoots) {
            errors.E1STI(2, m > ndeg ? m - 1 : m);
        }
        errors.E1MES(Warning, 1, finder.leadingZerosMessage);
    }
    return m;
}

// Moves the finite roots of root[0..count) to the front, in their order, and returns how many there are: a
// root beyond the double range cannot be given and counts as not found.
int keepFinite(Complex *root, int count)
{
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        if (isFinite(root[i])) {
            root[kept++] = root[i];
        }
    }
    return kept;
}

// Moves the roots of root[0..count) that are roots of the whole polynomial coeff[0..n] to the front; returns how
// many there are. A root whose piece was scaled or split with a loss of digits passes only this way: a backward
// error of a few roundings per coefficient (the check's own rounding, about 2n eps, left aside).
template <typename Value>
int keepRootsOfTheWhole(const Value *coeff, int n, Complex *root, int count)
{
    const double allowed = 8.0 * n * std::numeric_limits<double>::epsilon();
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        if (wideBackwardError(coeff, n, root[i]) <= allowed) {
            root[kept++] = root[i];
        }
    }
    return kept;
}

// The roots of coeff[0..degree] (highest power first, coeff[0] != 0) into root[0..degree): the roots at the
// origin first (and those too small for any double but 0), then the others in the order found. Returns how
// many were found; roots too large for any double are not.
template <typename Value>
int findRoots(const Value *coeff, int degree, Complex *root, ErrorService &errors)
{
    if (!std::all_of(coeff, coeff + degree + 1, [](Value c) {
            return isFinite(c);
        })) {
        return 0; // a polynomial that is not a number has no roots to give, not even at the origin
    }
    int found = 0;
    int n = degree;
    while (n > 0 && coeff[n] == Value(0)) {
        root[found++] = Complex(0.0, 0.0);
        --n;
    }
    if (n == 0) {
        return found;
    }
    const RootPlan<Value> plan = planRootSearch(coeff, n);
    for (int i = 0; i < plan.zeroRoots; ++i) {
        root[found++] = Complex(0.0, 0.0);
    }
    for (const ScaledPiece<Value> &piece : plan.pieces) {
        const int d = static_cast<int>(piece.coefficients.size()) - 1;
        Complex *rest = root + found;
        int verified = 0;
        if constexpr (std::is_same_v<Value, double>) {
            verified = kernel().solveRealPolynomial(piece.coefficients.data(), d, rest, machineConstants(errors));
        } else {
            verified = kernel().solveComplexPolynomial(piece.coefficients.data(), d, rest, machineConstants(errors));
        }
        for (int i = 0; i < verified; ++i) {
            rest[i] = unscaleRoot(rest[i], piece.shift);
        }
        verified = keepFinite(rest, verified);
        if (!piece.exact) {
            verified = keepRootsOfTheWhole(coeff, n, rest, verified);
        }
        found += verified;
    }
    return found;
}

// A part that is zero is +0: the sign of a zero is an accident of the arithmetic (-b/2a with b = 0, say), and a
// root shown as -0 or -0i would look like a different number.
Complex withoutNegativeZeros(Complex z)
{
    return { z.real() == 0.0 ? 0.0 : z.real(), z.imag() == 0.0 ? 0.0 : z.imag() };
}

template <typename Value, typename Quadratic>
void solve(const Finder &finder,
    std::int32_t ndeg,
    std::span<Value> coeff,
    std::span<Complex> root,
    ErrorService &errors,
    Quadratic quadratic)
{
    errors.E1PSH(finder.name);
    if (refuseDegree(ndeg, finder, errors)) {
        return;
    }
    const int count = ndeg + 1;
    reverse(count, coeff.data());
    const double finity = DMACH(7, errors);
    int expected = 2;
    int found = 0;
    if (ndeg == 2 && coeff[0] != Value(0) && std::all_of(coeff.begin(), coeff.begin() + 3, [](Value c) {
            return isFinite(c);
        })) {
        quadratic(coeff[0], coeff[1], coeff[2], root[0], root[1], errors);
        found = keepFinite(root.data(), 2);
    } else {
        const int m = markLeadingZeros<Value>(ndeg, coeff, root, finity, finder, errors);
        expected = std::max(ndeg - m, 0);
        if (expected > 0) {
            found = findRoots(coeff.data() + m, expected, root.data(), errors);
        }
    }
    std::transform(root.begin(), root.begin() + found, root.begin(), withoutNegativeZeros);
    if (found < expected) {
        errors.E1STI(1, found);
        errors.E1STI(2, expected - found);
        errors.E1MES(Warning, 2, finder.notFoundMessage);
        std::fill(root.begin() + found, root.begin() + expected, Complex(finity, 0.0));
    }
    reverse(count, coeff.data());
    errors.E1POP(finder.name);
}

} // namespace

void DZPORC(std::int32_t ndeg, std::span<double> coeff, std::span<Complex> root, ErrorService &errors)
{
    solve(realFinder, ndeg, coeff, root, errors, DZ3LRC);
}

void DZPOCC(std::int32_t ndeg, std::span<Complex> coeff, std::span<Complex> root, ErrorService &errors)
{
    solve(complexFinder, ndeg, coeff, root, errors, DZ4LRC);
}

const Kernel &portableKernel()
{
    static const Kernel build { &portable::solveRealPolynomial, &portable::solveComplexPolynomial };
    return build;
}

const Kernel &fastestKernel()
{
#ifdef KOVALIN_FMA_KERNEL
    static const Kernel build { &fma::solveRealPolynomial, &fma::solveComplexPolynomial };
    if (__builtin_cpu_supports("fma")) {
        return build;
    }
#endif
    return portableKernel();
}

const Kernel &kernel()
{
    static const Kernel &chosen = fastestKernel();
    return chosen;
}

} // namespace engine
