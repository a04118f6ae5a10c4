#pragma once
// Test support for multiple roots: equations multiplied out exactly from decimal roots with a chosen
// multiplicity structure, typed as exact decimal texts, and the check that the solver shows exactly those
// roots (to its shown precision) and names their nature.

#include "cubic/solver.h"
#include "root_check.h"

#include <gtest/gtest.h>

#include <complex>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace closed_form_testing
{

/// A decimal root re + im·i (im ≥ 0; a pair stands for re ± im·i), both in units of 10^-places.
struct DecimalRoot {
    std::int64_t re = 0;
    std::int64_t im = 0;
    int places = 0;
};

/// An equation whose roots are known exactly: the coefficient texts are the exact decimals of
/// leading × Π(x - root) (no rounding anywhere), and `roots` lists every root as often as it counts.
struct RootedEquation {
    TypedEquation equation;
    std::vector<std::complex<double>> roots;
};

/// Multiplies out `leading` (a decimal in units of 10^-leadingPlaces) times (x - r) for each real root and
/// (x - r)(x - r̄) for each pair, in exact integer arithmetic.
RootedEquation MultiplyOut(std::int64_t leading, int leadingPlaces, const std::vector<DecimalRoot> &factors);

/// The multiplicity structures of the generated families.
enum class Structure {
    DoubleReal, ///< cubic r, r, s
    TripleReal, ///< cubic r, r, r
    DoubleAndTwoReal, ///< quartic r, r, s, t
    DoubleAndPair, ///< quartic r, r, c ± di
    TripleAndSimple, ///< quartic r, r, r, s
    TwoDoubles, ///< quartic r, r, s, s
    DoublePair, ///< quartic c ± di, c ± di
    Quadruple, ///< quartic r, r, r, r
    ThreeDistinct, ///< cubic r, s, t or r, c ± di: multiple roots must not be invented
    FourDistinct, ///< quartic with four distinct roots, real or in pairs
};

const char *NameOf(Structure structure);
/// The structure's name as the name of a parameterised test: "double_real_root".
std::string TestNameOf(const ::testing::TestParamInfo<Structure> &info);

/// A random equation of the given structure: roots of up to three significant digits and up to three
/// places (0.001 to 999, now and then 0), distinct roots at least 2% of their size apart, under a leading
/// coefficient of the same kind.
RootedEquation RandomRootedEquation(std::mt19937 &engine, Structure structure);

/// Whether `display` shows exactly the roots of `rooted` (as a set with multiplicities, each part within
/// half a unit of the last shown decimal), each row coloured by its kind and the caption naming the kind
/// of all rows. Faults are reported as test failures while `report` is true; returns whether it held.
bool ShowsExactRoots(const RootedEquation &rooted, const cubic::Display &display, int decimals, bool report);

/// Solves `count` random equations of `structure` (after `leadingZeros` boxes "0") and counts those not
/// shown exactly; reports the first few faults.
int CountInexactSolves(
    Structure structure, int count, unsigned seed, const Solver &solve, int decimals, std::size_t leadingZeros = 0);

/// A random quadratic leading × (x - root)² (typed as exact decimals) with a decimal root as
/// RandomRootedEquation chooses them; `root` is that root.
struct DoubleRootQuadratic {
    TypedEquation equation;
    DecimalRoot root;
};
DoubleRootQuadratic RandomDoubleRootQuadratic(std::mt19937 &engine);

/// Whether a shown number ("-0.7", "12", "0.001") is exactly the decimal `root.re / 10^root.places`,
/// compared as rational numbers.
bool ShowsDecimal(const std::string &shown, const DecimalRoot &root);

/// Solves `count` random double-root quadratics (after `leadingZeros` boxes "0") and counts those not shown
/// as their double root: two real rows showing exactly that root, the third row empty, and the caption of
/// two equal roots (of two real roots for the root 0). Reports the first few faults.
int CountInexactDoubleRoots(int count, unsigned seed, const Solver &solve, std::size_t leadingZeros);

/// Equations per family: `fallback`, or the value of the environment variable KOVALIN_FAMILY_CASES (for
/// wide runs of the same tests).
int FamilyCases(int fallback);

} // namespace closed_form_testing
