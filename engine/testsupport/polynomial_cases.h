#pragma once
// Test support: the shared polynomial cases (coefficients with reference roots) and matching of computed
// roots to reference roots as a set.

#include <complex>
#include <string>
#include <vector>

namespace engine_test
{

using Complex = std::complex<double>;

struct PolynomialCase {
    std::string name;
    bool complexCoefficients = false;
    int degree = 0;
    int finiteRoots = 0;
    double condErr = 0; // relative error one rounding of every coefficient can cause; inf for multiple roots
    std::vector<Complex> coefficients; // increasing powers: [0] is the constant term
    std::vector<Complex> reference; // finite roots, each multiple root repeated
};

/// A coefficient file as the solver reads it (degree on the first line, then the coefficients from the leading
/// one down, "re,im" for complex ones); no reference roots.
PolynomialCase readCoefficientFile(const std::string &path);

/// Every case listed in manifest.tsv of `directory`, read with its coefficients and reference roots.
std::vector<PolynomialCase> loadCases(const std::string &directory);

struct RootMatch {
    double maxRelativeError = 0; // max over references of |z - r| / |r| (absolute where r = 0)
    Complex worstReference;
    Complex worstComputed;
    int unmatched = 0; // references left without a computed root
};

/// Pairs each reference root with its own computed root so that the sum of log(1 + relative error) is least
/// (clusters are paired sensibly), and reports the worst pair.
RootMatch matchRoots(const std::vector<Complex> &reference, const std::vector<Complex> &computed);

/// Largest multiplicity among the reference roots (equal values counted together).
int largestMultiplicity(const std::vector<Complex> &reference);

} // namespace engine_test
