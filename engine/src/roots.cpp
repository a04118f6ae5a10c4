// The public root finders: the checks, the vanishing leading coefficients and the warnings of the error
// service around the iterative kernels (real_solver.cpp, complex_solver.cpp) and their refinement (polish.cpp).

#include "engine/roots.h"

#include "engine/machine.h"
#include "engine/vectors.h"
#include "kernel.h"

namespace engine
{
namespace
{

constexpr int maxRealDegree = 100;
constexpr int maxComplexDegree = 49;

MachineConstants machineConstants(ErrorService &errors)
{
    MachineConstants machine;
    machine.base = IMACH(6, errors);
    machine.infin = DMACH(2, errors);
    machine.smalno = DMACH(1, errors);
    machine.eta = DMACH(4, errors);
    return machine;
}

// Counts the vanishing leading coefficients of coeff (highest power first) and puts one root at infinity for
// each, filled in from the end. Returns the count m (ndeg + 1 when every coefficient vanishes).
template <typename Value>
int markLeadingZeros(int ndeg, std::span<const Value> coeff, std::span<Complex> root, double finity)
{
    int m = 0;
    while (coeff[static_cast<std::size_t>(m)] == Value(0)) {
        ++m;
        if (m > ndeg) {
            break;
        }
        root[static_cast<std::size_t>(ndeg - m)] = Complex(finity, 0.0);
    }
    return m;
}

constexpr const char *oneLeadingZero =
    "The leading coefficient of the polynomial is equal to zero.  The last root will be set to CMPLX(FINITY,0.0) "
    "where FINITY is the largest machine constant.";

// The roots not found are set to infinity from position `found` on.
void markNotFound(int found, int degree, std::span<Complex> root, double finity)
{
    for (int i = found; i < degree; ++i) {
        root[static_cast<std::size_t>(i)] = Complex(finity, 0.0);
    }
}

bool refuseDegree(std::int32_t ndeg, int maxDegree, const char *message, ErrorService &errors, const char *name)
{
    if (ndeg <= maxDegree && ndeg >= 1) {
        return false;
    }
    errors.E1STI(1, ndeg);
    errors.E1MES(Terminal, 1, message);
    errors.E1POP(name); // prints and stops
    return true;
}

} // namespace

void DZPORC(std::int32_t ndeg, std::span<double> coeff, std::span<Complex> root, ErrorService &errors)
{
    errors.E1PSH("DZPORC");
    if (refuseDegree(ndeg,
            maxRealDegree,
            "The degree of the polynomial must be less than 101 and greater than zero.  NDEG is given as "
            "%(I1).",
            errors,
            "DZPORC")) {
        return;
    }
    const int count = ndeg + 1;
    reverse(count, coeff.data());
    if (coeff[0] != 0.0 && ndeg == 2) {
        DZ3LRC(coeff[0], coeff[1], coeff[2], root[0], root[1], errors);
    } else {
        const double finity = DMACH(7, errors);
        const int m = markLeadingZeros<double>(ndeg, coeff, root, finity);
        if (m == 1) {
            errors.E1MES(Warning, 1, oneLeadingZero);
        } else if (m > 1) {
            errors.E1STI(1, m);
            errors.E1STI(2, m > ndeg ? m - 1 : m);
            errors.E1MES(Warning,
                1,
                "The %(I1) leading coefficients of the polynomial are equal to zero.  The last %(I2) roots "
                "will be set to CMPLX(FINITY,0.0) where FINITY is the largest machine constant.");
        }
        if (m < ndeg) {
            const int degree = ndeg - m;
            const double *reduced = coeff.data() + m;
            const int found = kernel().findRealRoots(reduced, degree, root.data(), machineConstants(errors));
            kernel().polishRealRoots(reduced, degree, root.data(), found);
            if (found < degree) {
                errors.E1STI(1, found);
                errors.E1STI(2, degree - found);
                errors.E1MES(Warning,
                    2,
                    "Only %(I1) roots were found.  The ROOT vector will contain the value for machine "
                    "infinity in the last %(I2) locations.");
                markNotFound(found, degree, root, finity);
            }
        }
    }
    reverse(count, coeff.data());
    errors.E1POP("DZPORC");
}

void DZPOCC(std::int32_t ndeg, std::span<Complex> coeff, std::span<Complex> root, ErrorService &errors)
{
    errors.E1PSH("DZPOCC");
    if (refuseDegree(ndeg,
            maxComplexDegree,
            "The degree of the polynomial must be less than 50 and greater than zero.  NDEG is given as "
            "%(I1).",
            errors,
            "DZPOCC")) {
        return;
    }
    const int count = ndeg + 1;
    reverse(count, coeff.data());
    if (ndeg == 2 && coeff[0] != Complex(0.0, 0.0)) {
        DZ4LRC(coeff[0], coeff[1], coeff[2], root[0], root[1], errors);
    } else {
        const double finity = DMACH(7, errors);
        const int m = markLeadingZeros<Complex>(ndeg, coeff, root, finity);
        if (m == 1) {
            errors.E1MES(Warning, 1, oneLeadingZero);
        } else if (m > 1) {
            // One slot serves both counts here.
            errors.E1STI(1, m);
            errors.E1MES(Warning,
                1,
                "The %(I1) leading coefficients of the polynomial are equal to zero.  The last %(I1) roots "
                "will be set to CMPLX(FINITY,0.0) where FINITY is the largest machine constant.");
        }
        if (m < ndeg) {
            const int degree = ndeg - m;
            const Complex *reduced = coeff.data() + m;
            const int found = kernel().findComplexRoots(reduced, degree, root.data(), machineConstants(errors));
            kernel().polishComplexRoots(reduced, degree, root.data(), found);
            if (found < degree) {
                errors.E1STI(1, found);
                errors.E1STI(2, degree - found);
                errors.E1MES(Warning,
                    2,
                    "Only %(I1) zeros were found.  The last %(I2) locations of the ROOT vector will be set to "
                    "CMPLX(FINITY,0.0), where FINITY is the largest machine constant.");
                markNotFound(found, degree, root, finity);
            }
        }
    }
    reverse(count, coeff.data());
    errors.E1POP("DZPOCC");
}

const Kernel &portableKernel()
{
    static const Kernel build {
        &portable::findRealRoots, &portable::findComplexRoots, &portable::polishRealRoots, &portable::polishComplexRoots
    };
    return build;
}

const Kernel &fastestKernel()
{
#ifdef KOVALIN_FMA_KERNEL
    static const Kernel build {
        &fma::findRealRoots, &fma::findComplexRoots, &fma::polishRealRoots, &fma::polishComplexRoots
    };
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
