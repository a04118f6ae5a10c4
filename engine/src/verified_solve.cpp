// The root finders as the engine runs them: the three-stage method with deflation, refinement of every root
// on the whole polynomial, verification of the complete set, and, only when verification fails, the
// simultaneous iteration from the approximations at hand (or, when those lead nowhere, from the Newton
// polygon). Whatever set is better verified is kept; roots that are not roots even then are left out, and the
// caller reports them as not found.

#include "kernel.h"
#include "polish.h"
#include "root_check.h"
#include "simultaneous_iteration.h"
#include "three_stage.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace engine::KOVALIN_KERNEL_TAG
{
namespace
{

constexpr int capacity = 100;
constexpr int sweepsFromApproximations = 100;
constexpr int sweepsFromNewtonPolygon = 500;

using Checks = std::array<RootCheck, capacity>;

struct Verdict {
    int notRoots = 0; // roots whose backward error is too large (or that are not finite)
    int inconsistent = 0; // roots the others do not account for

    bool operator<(const Verdict &other) const
    {
        return notRoots != other.notRoots ? notRoots < other.notRoots : inconsistent < other.inconsistent;
    }
};

Verdict verdict(const Checks &check, int n)
{
    Verdict v;
    for (int i = 0; i < n; ++i) {
        const RootCheck &c = check[static_cast<std::size_t>(i)];
        v.notRoots += c.isRoot ? 0 : 1;
        v.inconsistent += c.isRoot && !c.trusted ? 1 : 0;
    }
    return v;
}

// Starting points for the simultaneous iteration: the trusted approximations as they are, the others moved a
// little off their place (and off the real axis, so that a false pair of real roots can become a complex one).
void loosenUntrusted(int n, const Complex *root, const Checks &check, Complex *start)
{
    for (int i = 0; i < n; ++i) {
        start[i] = root[i];
        if (!check[static_cast<std::size_t>(i)].trusted || !std::isfinite(std::abs(root[i]))) {
            const double size = std::isfinite(std::abs(root[i])) ? std::max(std::abs(root[i]), 0x1p-100) : 1.0;
            start[i] =
                (std::isfinite(std::abs(root[i])) ? root[i] : Complex(0.0)) + std::polar(size * 0x1p-10, 1.0 + i);
        }
    }
}

// Moves the roots that passed to the front, in their order; returns how many there are.
int keepRoots(int n, Complex *root, const Checks &check)
{
    int kept = 0;
    for (int i = 0; i < n; ++i) {
        if (check[static_cast<std::size_t>(i)].isRoot) {
            root[kept++] = root[i];
        }
    }
    return kept;
}

template <typename Coefficient>
int solveVerified(const Coefficient *a, int n, Complex *root, const MachineConstants &machine)
{
    constexpr bool real = std::is_same_v<Coefficient, double>;
    Checks check;
    KnownValues known;
    int found = 0;
    if constexpr (real) {
        found = findRealRoots(a, n, root, machine);
    } else {
        found = findComplexRoots(a, n, root, machine);
    }
    if (found == n) {
        if constexpr (real) {
            polishRealRoots(a, n, root, known);
        } else {
            polishComplexRoots(a, n, root, known);
        }
        if (checkRoots(a, n, root, check.data(), &known)) {
            return n;
        }
    }

    std::array<Complex, capacity> retry {};
    bool converged = false;
    if (found == n) {
        loosenUntrusted(n, root, check, retry.data());
        converged = aberthIteration(a, n, retry.data(), sweepsFromApproximations);
    }
    if (!converged) {
        newtonPolygonStart(a, n, retry.data());
        aberthIteration(a, n, retry.data(), sweepsFromNewtonPolygon);
    }
    if constexpr (real) {
        restoreConjugateSymmetry(a, n, retry.data());
        polishRealRoots(a, n, retry.data(), known);
    } else {
        polishComplexRoots(a, n, retry.data(), known);
    }
    Checks retryCheck;
    checkRoots(a, n, retry.data(), retryCheck.data(), &known);
    if (found < n || !(verdict(check, n) < verdict(retryCheck, n))) {
        std::copy(retry.begin(), retry.begin() + n, root);
        check = retryCheck;
    }
    return keepRoots(n, root, check);
}

} // namespace

int solveRealPolynomial(const double *coeff, int degree, Complex *root, const MachineConstants &machine)
{
    return solveVerified(coeff, degree, root, machine);
}

int solveComplexPolynomial(const Complex *coeff, int degree, Complex *root, const MachineConstants &machine)
{
    return solveVerified(coeff, degree, root, machine);
}

} // namespace engine::KOVALIN_KERNEL_TAG
