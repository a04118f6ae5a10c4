// The accuracy of computed roots: the discs must hold the true roots (checked against reference roots known
// independently), be as small as the roots' real errors allow, and group multiple roots.

#include "engine/roots.h"
#include "frontend/core/root_accuracy.h"
#include "polynomial_cases.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace
{

using frontend::core::AccuracyReport;
using frontend::core::RootAccuracyOf;
using Complex = std::complex<double>;

constexpr double eps = std::numeric_limits<double>::epsilon();
constexpr double inf = std::numeric_limits<double>::infinity();

/// Coefficients from the constant term up of lead * prod (x - r).
std::vector<Complex> fromRoots(const std::vector<Complex> &roots, Complex lead = 1.0)
{
    std::vector<Complex> c { lead };
    for (const Complex r : roots) {
        c.insert(c.begin(), 0.0);
        for (std::size_t k = 0; k + 1 < c.size(); ++k) {
            c[k] -= r * c[k + 1];
        }
    }
    return c;
}

std::vector<double> realParts(const std::vector<Complex> &c)
{
    std::vector<double> re;
    for (const Complex z : c) {
        re.push_back(z.real());
    }
    return re;
}

/// The engine's roots of a polynomial given from the constant term up.
template <typename Coefficient>
std::vector<Complex> engineRoots(std::vector<Coefficient> coefficients)
{
    std::ostringstream warnings;
    engine::ErrorService errors(warnings);
    std::vector<Complex> roots(coefficients.size() - 1);
    const auto degree = static_cast<std::int32_t>(roots.size());
    if constexpr (std::is_same_v<Coefficient, double>) {
        engine::DZPORC(degree, coefficients, roots, errors);
    } else {
        engine::DZPOCC(degree, coefficients, roots, errors);
    }
    return roots;
}

/// Number of points within `radius` of `centre`, counting each point's own rounding (it is a double nearest to
/// a root known to many more digits, so it may sit half an ulp of each part away).
int pointsWithin(const std::vector<Complex> &points, Complex centre, double radius)
{
    int count = 0;
    for (const Complex p : points) {
        count += std::abs(p - centre) <= radius + eps * std::abs(p) ? 1 : 0;
    }
    return count;
}

TEST(RootAccuracy, SimpleRootsOfAWellConditionedPolynomialAreBoundedNearTheirLastDigit)
{
    const std::vector<double> c = realParts(fromRoots({ 1.0, 2.0, 3.0, -0.5 }));
    // The true roots, each moved by a few ulps: the bound must cover the move and stay within a few ulps.
    const std::vector<Complex> moved { 1.0 + 2 * eps, 2.0 - 4 * eps, 3.0 + 4 * eps, Complex(-0.5, eps) };
    const AccuracyReport report = RootAccuracyOf(c, moved);
    const std::vector<Complex> truth { 1.0, 2.0, 3.0, -0.5 };
    for (std::size_t i = 0; i < moved.size(); ++i) {
        const double error = std::abs(moved[i] - truth[i]);
        EXPECT_GE(report.roots[i].errorBound, error) << "root " << i;
        // Well apart, the bound is |W_i| to first order, which is the error itself; allow a factor for rounding.
        EXPECT_LE(report.roots[i].errorBound, 4 * error + 8 * eps * std::abs(truth[i])) << "root " << i;
        EXPECT_GE(report.roots[i].correctDigits, 14) << "root " << i;
        EXPECT_EQ(report.roots[i].multiplicity, 1);
    }
    EXPECT_EQ(report.clusters.size(), 4u);
}

TEST(RootAccuracy, PoorApproximationsGetBoundsThatStillHoldTheRoots)
{
    const std::vector<Complex> truth { Complex(1, 1), Complex(1, -1), Complex(-2, 0.5), 4.0, -3.0 };
    const std::vector<Complex> c = fromRoots(truth, Complex(2, -1));
    for (const double error : { 1e-12, 1e-8, 1e-4 }) {
        std::vector<Complex> approx;
        for (std::size_t i = 0; i < truth.size(); ++i) {
            approx.push_back(truth[i] + std::polar(error, static_cast<double>(i)));
        }
        const AccuracyReport report = RootAccuracyOf(c, approx);
        for (std::size_t i = 0; i < truth.size(); ++i) {
            const double actual = std::abs(approx[i] - truth[i]); // the sum above was rounded
            EXPECT_GE(report.roots[i].errorBound, actual) << "error " << error << " root " << i;
            EXPECT_LE(report.roots[i].errorBound, 10 * actual) << "error " << error << " root " << i;
            EXPECT_EQ(report.roots[i].multiplicity, 1);
        }
    }
}

TEST(RootAccuracy, AFourfoldRootIsOneClusterOfFourWhoseCentreHoldsIt)
{
    // (x - 1.5)^4 (x + 2): every coefficient exact, so 1.5 is exactly a fourfold root.
    const std::vector<double> c = realParts(fromRoots({ 1.5, 1.5, 1.5, 1.5, -2.0 }));
    const std::vector<Complex> roots = engineRoots(c);
    const AccuracyReport report = RootAccuracyOf(c, roots);
    int members = 0;
    double worstMember = 0;
    double centreError = 0;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        if (std::abs(roots[i] - 1.5) < 0.1) {
            ++members;
            EXPECT_EQ(report.roots[i].multiplicity, 4);
            // A fourfold root moves by about eps^(1/4) ~ 1e-4 under one rounding of the coefficients; the engine
            // evaluates as if in twice the precision, which leaves (eps^2)^(1/4) ~ 1e-8: two to eight digits.
            EXPECT_GE(report.roots[i].correctDigits, 2);
            EXPECT_LE(report.roots[i].correctDigits, 8);
            EXPECT_GE(report.roots[i].errorBound, std::abs(roots[i] - 1.5));
            const auto &cluster = report.clusters[static_cast<std::size_t>(report.roots[i].cluster)];
            EXPECT_EQ(cluster.members.size(), 4u);
            EXPECT_LE(std::abs(cluster.centre - 1.5), cluster.radius);
            worstMember = std::max(worstMember, std::abs(roots[i] - 1.5));
            centreError = std::abs(cluster.centre - 1.5);
        } else {
            EXPECT_EQ(report.roots[i].multiplicity, 1);
            EXPECT_GE(report.roots[i].correctDigits, 14);
        }
    }
    EXPECT_EQ(members, 4);
    // The mean of the members is far more accurate than the members are.
    EXPECT_LT(centreError, 0.5 * worstMember);
}

TEST(RootAccuracy, RepeatedApproximationsFormAClusterInsteadOfDividingByZero)
{
    const std::vector<double> c { 1.0, -2.0, 1.0 }; // (x - 1)^2
    const std::vector<Complex> roots { 1.0, 1.0 };
    const AccuracyReport report = RootAccuracyOf(c, roots);
    ASSERT_EQ(report.clusters.size(), 1u);
    for (const auto &root : report.roots) {
        EXPECT_EQ(root.multiplicity, 2);
        EXPECT_TRUE(std::isfinite(root.errorBound));
        EXPECT_GE(root.correctDigits, 6); // the points were moved apart by 2^-26 only
    }
    EXPECT_EQ(report.clusters[0].centre, Complex(1.0));
}

TEST(RootAccuracy, RootsAtTheOriginFromVanishingConstantTermsAreExact)
{
    // x^3 (x - 2) (x + 1i)
    const std::vector<Complex> c = fromRoots({ 0.0, 0.0, 0.0, 2.0, Complex(0, -1) });
    const std::vector<Complex> roots { 0.0, 2.0 + 4 * eps, 0.0, Complex(0, -1), 0.0 };
    const AccuracyReport report = RootAccuracyOf(c, roots);
    for (const std::size_t i : { 0u, 2u, 4u }) {
        EXPECT_EQ(report.roots[i].errorBound, 0.0);
        EXPECT_EQ(report.roots[i].multiplicity, 3);
        EXPECT_EQ(report.roots[i].correctDigits, frontend::core::maxCorrectDigits);
    }
    EXPECT_GE(report.roots[1].errorBound, 4 * eps);
    EXPECT_GE(report.roots[1].correctDigits, 14);
    EXPECT_EQ(report.roots[3].multiplicity, 1);
}

TEST(RootAccuracy, PlaceholdersAreNotFoundAndAnIncompleteSetIsNotCertified)
{
    const std::vector<double> cubic = realParts(fromRoots({ 1.0, 2.0, 3.0 }));
    const std::vector<Complex> missing { 1.0, 2.0, Complex(inf, 0.0) };
    const AccuracyReport incomplete = RootAccuracyOf(cubic, missing);
    EXPECT_FALSE(incomplete.roots[2].found);
    EXPECT_EQ(incomplete.roots[2].cluster, -1);
    EXPECT_EQ(incomplete.roots[2].multiplicity, 0);
    for (const std::size_t i : { 0u, 1u }) {
        EXPECT_TRUE(incomplete.roots[i].found);
        EXPECT_EQ(incomplete.roots[i].errorBound, inf) << "a third root is unaccounted for";
        EXPECT_EQ(incomplete.roots[i].correctDigits, 0);
    }

    // A leading coefficient of 0: the placeholder stands for the root at infinity, the others are complete.
    std::vector<double> leadingZero = realParts(fromRoots({ 1.0, 2.0 }));
    leadingZero.push_back(0.0);
    const AccuracyReport atInfinity = RootAccuracyOf(leadingZero, missing);
    EXPECT_FALSE(atInfinity.roots[2].found);
    EXPECT_LT(atInfinity.roots[0].errorBound, 1e-15);
    EXPECT_LT(atInfinity.roots[1].errorBound, 1e-15);
}

TEST(RootAccuracy, RootsFarFromTheOriginAndNearItNeitherOverflowNorLoseTheirDigits)
{
    // Roots scaled by powers of two, so the coefficients are exact and the roots are exactly these.
    for (const double scale : { 0x1p-480, 0x1p-100, 0x1p100, 0x1p480 }) {
        const std::vector<Complex> truth { Complex(0.5, 2) * scale, -3 * scale };
        const std::vector<Complex> c = fromRoots(truth, 1 / scale);
        std::vector<Complex> approx;
        for (const Complex r : truth) {
            approx.push_back(r * (1 + 4 * eps));
        }
        const AccuracyReport report = RootAccuracyOf(c, approx);
        for (std::size_t i = 0; i < truth.size(); ++i) {
            EXPECT_GE(report.roots[i].errorBound, std::abs(approx[i] - truth[i])) << scale;
            EXPECT_GE(report.roots[i].correctDigits, 14) << scale << " root " << i;
        }
    }
    // A root so large that z^2 overflows beside one of ordinary size: the reversed polynomial takes over.
    const std::vector<double> mixed { 3 * 0x1p1000, -0x1p1000, 1.0 }; // roots about 2^1000 and 3
    const std::vector<Complex> roots { 0x1p1000, 3.0 };
    const AccuracyReport report = RootAccuracyOf(mixed, roots);
    for (std::size_t i = 0; i < roots.size(); ++i) {
        EXPECT_GE(report.roots[i].correctDigits, 14) << "root " << i;
        EXPECT_EQ(report.roots[i].multiplicity, 1);
    }
    // The large root is 2^1000 - 3 + ..., which rounds to 2^1000: its bound must cover those 3.
    EXPECT_GE(report.roots[0].errorBound, 3.0);
}

// Every shared case: each disc holds a reference root, and each cluster's centre disc holds at least as many
// reference roots as the cluster has members.
TEST(RootAccuracy, TheDiscsHoldTheReferenceRootsOfEverySharedCase)
{
    const auto cases = engine_test::loadCases(KOVALIN_SHARED_CASES);
    ASSERT_FALSE(cases.empty());
    for (const auto &item : cases) {
        const std::vector<Complex> roots =
            item.complexCoefficients ? engineRoots(item.coefficients) : engineRoots(realParts(item.coefficients));
        const AccuracyReport report = item.complexCoefficients ? RootAccuracyOf(item.coefficients, roots)
                                                               : RootAccuracyOf(realParts(item.coefficients), roots);
        int certified = 0;
        for (std::size_t i = 0; i < roots.size(); ++i) {
            const auto &accuracy = report.roots[i];
            if (!accuracy.found || !std::isfinite(accuracy.errorBound)) {
                continue;
            }
            ++certified;
            EXPECT_GE(pointsWithin(item.reference, roots[i], accuracy.errorBound), 1)
                << item.name << " root " << i << " = " << roots[i] << " bound " << accuracy.errorBound;
        }
        for (const auto &cluster : report.clusters) {
            if (std::isfinite(cluster.radius)) {
                EXPECT_GE(pointsWithin(item.reference, cluster.centre, cluster.radius),
                    static_cast<int>(cluster.members.size()))
                    << item.name << " cluster at " << cluster.centre;
            }
        }
        // The engine finds and verifies every finite root of these cases; they must all be certified too.
        EXPECT_EQ(certified, item.finiteRoots) << item.name;
    }
}

TEST(RootAccuracy, CorrectDigitsFollowTheBoundRelativeToTheRoot)
{
    using frontend::core::CorrectDigits;
    EXPECT_EQ(CorrectDigits(100.0, 0.05), 3);
    EXPECT_EQ(CorrectDigits(Complex(3, 4), 5e-7), 7);
    EXPECT_EQ(CorrectDigits(1.0, 1e-30), frontend::core::maxCorrectDigits);
    EXPECT_EQ(CorrectDigits(1.0, 0.0), frontend::core::maxCorrectDigits);
    EXPECT_EQ(CorrectDigits(1.0, 2.0), 0);
    EXPECT_EQ(CorrectDigits(1.0, inf), 0);
    EXPECT_EQ(CorrectDigits(0.0, 1e-300), 0);
}

double parse(const std::string &text)
{
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
    return value;
}

TEST(RootAccuracy, TheCsvReadsBackToTheSameDoubles)
{
    const std::vector<double> c = realParts(fromRoots({ 1.0 / 3, Complex(0.1, 0.7), Complex(0.1, -0.7), 1e-7 }));
    std::vector<Complex> roots = engineRoots(c);
    roots.push_back(Complex(inf, 0)); // a placeholder row too
    const AccuracyReport report = RootAccuracyOf(c, roots);
    const auto path = std::filesystem::path(testing::TempDir()) / "kovalin_roots.csv";
    ASSERT_TRUE(frontend::core::SaveAccuracyCsv(path, roots, report));
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".partial"));
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, frontend::core::accuracyCsvHeader);
    for (std::size_t i = 0; i < roots.size(); ++i) {
        ASSERT_TRUE(std::getline(in, line));
        std::vector<std::string> fields;
        std::stringstream row(line);
        for (std::string field; std::getline(row, field, ',');) {
            fields.push_back(field);
        }
        ASSERT_EQ(fields.size(), 5u) << line;
        EXPECT_EQ(parse(fields[0]), roots[i].real()) << line;
        EXPECT_EQ(parse(fields[1]), roots[i].imag()) << line;
        EXPECT_EQ(parse(fields[2]), report.roots[i].errorBound) << line;
        EXPECT_EQ(std::stoi(fields[3]), report.roots[i].correctDigits);
        EXPECT_EQ(std::stoi(fields[4]), report.roots[i].multiplicity);
    }
    EXPECT_FALSE(std::getline(in, line));
    std::filesystem::remove(path);

    // A folder that does not exist: nothing is written, no partial file stays.
    const auto nowhere = std::filesystem::path(testing::TempDir()) / "no_such_folder" / "roots.csv";
    EXPECT_FALSE(frontend::core::SaveAccuracyCsv(nowhere, roots, report));
    EXPECT_FALSE(std::filesystem::exists(nowhere.parent_path()));
}

} // namespace
