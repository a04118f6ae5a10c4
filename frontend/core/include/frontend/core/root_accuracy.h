#pragma once
// How accurate each computed root is, worked out from the equation's own coefficients and the roots alone:
// nothing of the root finder is used, so the figures do not rest on trusting it.
//
// Inclusion discs. With W_i = p(z_i) / (a_n prod_{j != i} (z_i - z_j)) (the Weierstrass corrections), the roots
// of p are the eigenvalues of diag(z) - 1 W^T, since p(x) / a_n = prod (x - z_j) (1 + sum W_i / (x - z_i)).
// Gerschgorin's theorem on that matrix gives:
//  - the discs D(z_i, n |W_i|) hold all roots, and a connected group of k discs holds exactly k of them;
//  - a root whose disc stands alone gets a much smaller radius from the same theorem with row i scaled by a
//    small t (the disc about z_i - W_i shrinks to t sum_{j != i} |W_j| while the others grow by |W_i| / t):
//    about |W_i|, which is the root's own error to first order, when the roots stand well apart.
// Every step is bounded for rounding: p(z_i) by a compensated Horner scheme with a bound on what it leaves
// (the reversed polynomial at 1/z_i far from the origin, so nothing overflows), the products of distances
// with separate binary exponents.
//
// Clusters. Overlapping discs form a cluster; its size is the likely multiplicity of the root it stands for.
// A member's own disc may hold no root, so its error bound is the radius about it that covers the whole
// cluster. The cluster's centre (the mean of its members) gets the radius of the disc about it that covers
// every member's disc, which holds all of the cluster's roots.
//
// Exact roots at the origin (vanishing constant terms) are taken out first: they are exact, with bound 0.
// Placeholders (roots not found: not finite) have no disc. When the finite roots are fewer than the degree
// (leading coefficients of 0 aside), the others cannot be accounted for, and no root gets a disc.

#include <complex>
#include <filesystem>
#include <limits>
#include <span>
#include <string>
#include <vector>

namespace frontend::core
{

/// Most decimal digits a double is sure to carry.
inline constexpr int maxCorrectDigits = std::numeric_limits<double>::digits10;

/// What is known of one root.
struct RootAccuracy {
    bool found = true; // false for a placeholder (the root finder found no root there)
    double errorBound = std::numeric_limits<double>::infinity(); // a root lies within this distance; inf: unknown
    int correctDigits = 0; // significant digits of the root that the bound guarantees, 0..maxCorrectDigits
    int cluster = -1; // index into AccuracyReport::clusters; -1 for a placeholder
    int multiplicity = 0; // size of its cluster (1 for a simple root); 0 for a placeholder
};

/// Roots whose discs overlap, standing for one root of that multiplicity (a simple root is a cluster of 1).
struct RootCluster {
    std::complex<double> centre; // mean of the members
    double radius = std::numeric_limits<double>::infinity(); // the disc about the centre holds the members' roots
    std::vector<int> members; // indices into the roots
};

struct AccuracyReport {
    std::vector<RootAccuracy> roots; // one per root given, in their order
    std::vector<RootCluster> clusters;
};

/// Accuracy of `roots` (as the root finder returned them, placeholders included) for the polynomial whose
/// coefficients are given from the constant term up.
AccuracyReport RootAccuracyOf(std::span<const double> coefficients, std::span<const std::complex<double>> roots);
AccuracyReport RootAccuracyOf(
    std::span<const std::complex<double>> coefficients, std::span<const std::complex<double>> roots);

/// Significant digits of `value` that an error bound guarantees: floor(log10(|value| / bound)), 0 to
/// maxCorrectDigits (all of them for a bound of 0, none for an unknown bound or a non-zero bound about 0).
int CorrectDigits(std::complex<double> value, double bound);

/// The words shown for a placeholder root.
inline constexpr const char *rootNotFoundText = "not found";

/// The header of the roots' CSV.
inline constexpr const char *accuracyCsvHeader = "real,imaginary,error_bound,correct_digits,multiplicity";
/// One CSV row of a root: real part, imaginary part, error bound (each the shortest text that reads back as the
/// same double, "." as the point, "inf" where unknown), correct digits, multiplicity.
std::string AccuracyCsvRow(std::complex<double> root, const RootAccuracy &accuracy);
/// The header and one row per root, each line ended by LF.
std::string AccuracyCsv(std::span<const std::complex<double>> roots, const AccuracyReport &report);
/// Writes the CSV whole or not at all (any old file stays as it was on a failure); false on failure.
bool SaveAccuracyCsv(
    const std::filesystem::path &path, std::span<const std::complex<double>> roots, const AccuracyReport &report);

} // namespace frontend::core
