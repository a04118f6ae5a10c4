#include "multiple_roots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace closed_form_testing
{
namespace
{

using Integers = std::vector<std::int64_t>;

std::int64_t checkedProduct(std::int64_t x, std::int64_t y)
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(x, y, &product)) {
        throw std::overflow_error("generated coefficient too large");
    }
    return product;
}

std::int64_t checkedSum(std::int64_t x, std::int64_t y)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(x, y, &sum)) {
        throw std::overflow_error("generated coefficient too large");
    }
    return sum;
}

std::int64_t powerOfTen(int exponent)
{
    std::int64_t power = 1;
    for (int i = 0; i < exponent; ++i) {
        power = checkedProduct(power, 10);
    }
    return power;
}

Integers times(const Integers &polynomial, const Integers &factor)
{
    Integers product(polynomial.size() + factor.size() - 1, 0);
    for (std::size_t i = 0; i < polynomial.size(); ++i) {
        for (std::size_t j = 0; j < factor.size(); ++j) {
            product[i + j] = checkedSum(product[i + j], checkedProduct(polynomial[i], factor[j]));
        }
    }
    return product;
}

// The exact decimal text of units / 10^places, without trailing zeros.
std::string decimalText(std::int64_t units, int places)
{
    std::string digits = std::to_string(units < 0 ? -units : units);
    if (static_cast<int>(digits.size()) <= places) {
        digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
    }
    std::string text = digits.substr(0, digits.size() - static_cast<std::size_t>(places));
    std::string fraction = digits.substr(text.size());
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        text += "." + fraction;
    }
    return (units < 0 ? "-" : "") + text;
}

double decimalValue(std::int64_t units, int places)
{
    // Both are exact doubles for the sizes generated here, so the quotient is the nearest double.
    return static_cast<double>(units) / static_cast<double>(powerOfTen(places));
}

DecimalRoot randomDecimal(std::mt19937 &engine, bool zeroAllowed)
{
    std::uniform_int_distribution<int> places(0, 3);
    std::uniform_int_distribution<int> digits(1, 3);
    std::uniform_int_distribution<int> sign(0, 1);
    std::uniform_int_distribution<int> zero(0, 15);
    DecimalRoot root;
    root.places = places(engine);
    if (zeroAllowed && zero(engine) == 0) {
        return root;
    }
    std::uniform_int_distribution<std::int64_t> units(1, powerOfTen(digits(engine)) - 1);
    root.re = sign(engine) ? units(engine) : -units(engine);
    return root;
}

DecimalRoot randomPair(std::mt19937 &engine)
{
    DecimalRoot pair = randomDecimal(engine, true);
    std::uniform_int_distribution<std::int64_t> units(
        1, powerOfTen(std::uniform_int_distribution<int>(1, 3)(engine)) - 1);
    pair.im = units(engine);
    return pair;
}

std::complex<double> valueOf(const DecimalRoot &root)
{
    return { decimalValue(root.re, root.places), decimalValue(root.im, root.places) };
}

// Distinct roots (conjugates included) at least 2% of their size apart: the families are about multiple
// roots, not about clusters, whose roots no double-precision data can pin down to the shown decimals.
bool wellSeparated(const std::vector<DecimalRoot> &distinct)
{
    std::vector<std::complex<double>> values;
    for (const DecimalRoot &root : distinct) {
        values.push_back(valueOf(root));
        if (root.im != 0) {
            values.push_back(std::conj(valueOf(root)));
        }
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        for (std::size_t j = i + 1; j < values.size(); ++j) {
            if (std::abs(values[i] - values[j]) < 0.02 * std::max(std::abs(values[i]), std::abs(values[j]))) {
                return false;
            }
        }
    }
    return true;
}

// The distinct roots of a structure and how often each counts.
struct Choice {
    std::vector<DecimalRoot> distinct;
    std::vector<int> multiplicity;
};

Choice choose(std::mt19937 &engine, Structure structure)
{
    const auto real = [&engine] {
        return randomDecimal(engine, true);
    };
    switch (structure) {
    case Structure::DoubleReal:
        return { { real(), real() }, { 2, 1 } };
    case Structure::TripleReal:
        return { { real() }, { 3 } };
    case Structure::DoubleAndTwoReal:
        return { { real(), real(), real() }, { 2, 1, 1 } };
    case Structure::DoubleAndPair:
        return { { real(), randomPair(engine) }, { 2, 1 } };
    case Structure::TripleAndSimple:
        return { { real(), real() }, { 3, 1 } };
    case Structure::TwoDoubles:
        return { { real(), real() }, { 2, 2 } };
    case Structure::DoublePair:
        return { { randomPair(engine) }, { 2 } };
    case Structure::Quadruple:
        return { { real() }, { 4 } };
    case Structure::ThreeDistinct:
        if (std::uniform_int_distribution<int>(0, 1)(engine) == 0) {
            return { { real(), real(), real() }, { 1, 1, 1 } };
        }
        return { { real(), randomPair(engine) }, { 1, 1 } };
    case Structure::FourDistinct:
        switch (std::uniform_int_distribution<int>(0, 2)(engine)) {
        case 0:
            return { { real(), real(), real(), real() }, { 1, 1, 1, 1 } };
        case 1:
            return { { real(), real(), randomPair(engine) }, { 1, 1, 1 } };
        default:
            return { { randomPair(engine), randomPair(engine) }, { 1, 1 } };
        }
    }
    throw std::invalid_argument("unknown structure");
}

constexpr const char *kWrongKind = "real roots shown as complex or complex ones as real";

bool isReal(const std::string &shown)
{
    return shown.find('i') == std::string::npos;
}

// The caption that names rows of these kinds; nothing when no caption fits them.
std::optional<cubic::Nature> natureOfRows(const std::vector<bool> &real)
{
    using cubic::Nature;
    if (real.size() == 3) {
        if (real[0] && real[1] && real[2]) {
            return Nature::ThreeRealRoots;
        }
        if (real[0] && !real[1] && !real[2]) {
            return Nature::OneRealTwoComplexRoots;
        }
        return std::nullopt;
    }
    if (real[0] != real[1] || real[2] != real[3]) {
        return std::nullopt;
    }
    if (real[0]) {
        return real[2] ? Nature::FourRealRoots : Nature::TwoRealTwoComplexRoots;
    }
    return real[2] ? Nature::TwoComplexTwoRealRoots : Nature::FourComplexRoots;
}

std::string rowsOf(const cubic::Display &display, std::size_t degree)
{
    std::ostringstream text;
    for (std::size_t row = 0; row < degree; ++row) {
        text << (row ? " | " : "") << display.roots[row];
    }
    return text.str();
}

// Why the rows are not exactly the roots, or nothing when they are. A fault of the kind of the roots
// (real ones shown complex, or the reverse) is named first.
std::optional<std::string> exactRootsFault(const RootedEquation &rooted, const cubic::Display &display, int decimals)
{
    const auto realRoots = std::count_if(rooted.roots.begin(), rooted.roots.end(), [](std::complex<double> root) {
        return root.imag() == 0;
    });
    const auto realRows = std::count_if(
        display.roots.begin(), display.roots.begin() + static_cast<std::ptrdiff_t>(rooted.roots.size()), isReal);
    if (realRows != realRoots) {
        return std::string(kWrongKind);
    }
    const std::size_t degree = rooted.roots.size();
    // Roots of at most three places are shown exactly when right: each part within half a unit of the last
    // shown decimal (the small margin only absorbs the binary representation of the decimals).
    const double half = 0.5 * std::pow(10.0, -decimals) * (1 + 1E-6);
    std::vector<std::complex<double>> shown;
    std::vector<bool> real;
    for (std::size_t row = 0; row < degree; ++row) {
        const std::optional<std::complex<double>> root = ParseShownRoot(display.roots[row]);
        if (!root) {
            return "row " + std::to_string(row + 1) + " is not a root";
        }
        shown.push_back(*root);
        real.push_back(isReal(display.roots[row]));
        const cubic::RowColour colour = real.back() ? cubic::RowColour::Blue : cubic::RowColour::Red;
        if (display.colours[row] != colour) {
            return "row " + std::to_string(row + 1) + " has the wrong colour";
        }
    }
    std::vector<bool> used(degree, false);
    for (const std::complex<double> &root : rooted.roots) {
        std::size_t row = 0;
        while (row < degree
            && (used[row] || std::fabs(shown[row].real() - root.real()) > half
                || std::fabs(shown[row].imag() - root.imag()) > half)) {
            ++row;
        }
        if (row == degree) {
            std::ostringstream text;
            text.precision(17);
            text << "no row shows the root " << root;
            return text.str();
        }
        used[row] = true;
    }
    if (natureOfRows(real) != display.nature) {
        return std::string("the caption does not name the kinds of the rows");
    }
    return std::nullopt;
}

} // namespace

RootedEquation MultiplyOut(std::int64_t leading, int leadingPlaces, const std::vector<DecimalRoot> &factors)
{
    Integers product { leading };
    int places = leadingPlaces;
    RootedEquation rooted;
    for (const DecimalRoot &root : factors) {
        const std::int64_t scale = powerOfTen(root.places);
        if (root.im == 0) {
            product = times(product, { scale, -root.re });
            places += root.places;
            rooted.roots.push_back(valueOf(root));
            continue;
        }
        const std::int64_t norm = checkedSum(checkedProduct(root.re, root.re), checkedProduct(root.im, root.im));
        product = times(product, { checkedProduct(scale, scale), -2 * checkedProduct(root.re, scale), norm });
        places += 2 * root.places;
        rooted.roots.push_back(valueOf(root));
        rooted.roots.push_back(std::conj(valueOf(root)));
    }
    std::vector<std::string> texts;
    for (const std::int64_t coefficient : product) {
        texts.push_back(decimalText(coefficient, places));
    }
    rooted.equation = Typed(std::move(texts));
    return rooted;
}

const char *NameOf(Structure structure)
{
    switch (structure) {
    case Structure::DoubleReal:
        return "double real root";
    case Structure::TripleReal:
        return "triple real root";
    case Structure::DoubleAndTwoReal:
        return "double root and two simple real roots";
    case Structure::DoubleAndPair:
        return "double root and a complex pair";
    case Structure::TripleAndSimple:
        return "triple root and a simple root";
    case Structure::TwoDoubles:
        return "two double real roots";
    case Structure::DoublePair:
        return "double complex pair";
    case Structure::Quadruple:
        return "quadruple root";
    case Structure::ThreeDistinct:
        return "three distinct roots";
    case Structure::FourDistinct:
        return "four distinct roots";
    }
    return "?";
}

std::string TestNameOf(const ::testing::TestParamInfo<Structure> &info)
{
    std::string name = NameOf(info.param);
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

RootedEquation RandomRootedEquation(std::mt19937 &engine, Structure structure)
{
    Choice choice;
    do {
        choice = choose(engine, structure);
    } while (!wellSeparated(choice.distinct));
    std::vector<DecimalRoot> factors;
    for (std::size_t i = 0; i < choice.distinct.size(); ++i) {
        factors.insert(factors.end(), static_cast<std::size_t>(choice.multiplicity[i]), choice.distinct[i]);
    }
    std::shuffle(factors.begin(), factors.end(), engine);
    DecimalRoot leading;
    do {
        leading = randomDecimal(engine, false);
    } while (leading.re == 0);
    return MultiplyOut(leading.re, leading.places, factors);
}

bool ShowsExactRoots(const RootedEquation &rooted, const cubic::Display &display, int decimals, bool report)
{
    const std::optional<std::string> fault = exactRootsFault(rooted, display, decimals);
    if (fault && report) {
        ADD_FAILURE() << rooted.equation.describe() << " shows " << rowsOf(display, rooted.roots.size()) << ": "
                      << *fault;
    }
    return !fault;
}

int CountInexactSolves(
    Structure structure, int count, unsigned seed, const Solver &solve, int decimals, std::size_t leadingZeros)
{
    constexpr int kReported = 5;
    std::mt19937 engine(seed);
    int faults = 0;
    int refused = 0;
    int wrongKind = 0;
    for (int i = 0; i < count; ++i) {
        const RootedEquation rooted = RandomRootedEquation(engine, structure);
        std::vector<std::string> boxes(leadingZeros, "0");
        boxes.insert(boxes.end(), rooted.equation.texts.begin(), rooted.equation.texts.end());
        const std::optional<cubic::Display> display = solve(boxes);
        std::optional<std::string> fault = display ? exactRootsFault(rooted, *display, decimals) : "refused";
        if (!fault) {
            continue;
        }
        refused += display ? 0 : 1;
        wrongKind += *fault == kWrongKind ? 1 : 0;
        if (faults++ < kReported) {
            ADD_FAILURE() << rooted.equation.describe() << " shows "
                          << (display ? rowsOf(*display, rooted.roots.size()) : "nothing") << ": " << *fault;
        }
    }
    std::cout << "[ family ] " << NameOf(structure) << ": " << faults << " of " << count << " not shown exactly ("
              << refused << " refused, " << wrongKind << " with real roots shown complex or the reverse)\n";
    return faults;
}

DoubleRootQuadratic RandomDoubleRootQuadratic(std::mt19937 &engine)
{
    const DecimalRoot root = randomDecimal(engine, true);
    DecimalRoot leading;
    do {
        leading = randomDecimal(engine, false);
    } while (leading.re == 0);
    return { MultiplyOut(leading.re, leading.places, { root, root }).equation, root };
}

bool ShowsDecimal(const std::string &shown, const DecimalRoot &root)
{
    const std::size_t point = shown.find('.');
    std::string digits = shown;
    int places = 0;
    if (point != std::string::npos) {
        digits.erase(point, 1);
        places = static_cast<int>(shown.size() - point - 1);
    }
    const bool negative = !digits.empty() && digits.front() == '-';
    const std::string magnitude = negative ? digits.substr(1) : digits;
    if (magnitude.empty() || magnitude.size() > 15 || magnitude.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    const std::int64_t units = (negative ? -1 : 1) * std::stoll(magnitude);
    // units / 10^places = root.re / 10^root.places, cross-multiplied in whole numbers.
    const int common = std::max(places, root.places);
    return checkedProduct(units, powerOfTen(common - places))
        == checkedProduct(root.re, powerOfTen(common - root.places));
}

int CountInexactDoubleRoots(int count, unsigned seed, const Solver &solve, std::size_t leadingZeros)
{
    constexpr int kReported = 5;
    std::mt19937 engine(seed);
    int faults = 0;
    for (int i = 0; i < count; ++i) {
        const DoubleRootQuadratic quadratic = RandomDoubleRootQuadratic(engine);
        std::vector<std::string> boxes(leadingZeros, "0");
        boxes.insert(boxes.end(), quadratic.equation.texts.begin(), quadratic.equation.texts.end());
        const std::optional<cubic::Display> display = solve(boxes);
        const cubic::Nature nature =
            quadratic.root.re == 0 ? cubic::Nature::TwoRealRoots : cubic::Nature::TwoEqualRealRoots;
        const bool exact = display && ShowsDecimal(display->roots[0], quadratic.root)
            && ShowsDecimal(display->roots[1], quadratic.root) && display->roots[2].empty()
            && display->colours[0] == cubic::RowColour::Blue && display->colours[1] == cubic::RowColour::Blue
            && display->colours[2] == cubic::RowColour::Neutral && display->nature == nature;
        if (!exact && faults++ < kReported) {
            ADD_FAILURE() << quadratic.equation.describe() << " shows "
                          << (display ? rowsOf(*display, 3) : std::string("nothing")) << " for the double root "
                          << decimalText(quadratic.root.re, quadratic.root.places);
        }
    }
    std::cout << "[ family ] double root of a quadratic: " << faults << " of " << count << " not shown exactly\n";
    return faults;
}

int FamilyCases(int fallback)
{
    const char *wide = std::getenv("KOVALIN_FAMILY_CASES");
    return wide ? std::max(1, std::atoi(wide)) : fallback;
}

} // namespace closed_form_testing
