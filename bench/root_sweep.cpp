// Property sweep of the root finders over generated families, without reference roots: every root must be a
// root (backward error within a small multiple of n eps), no root may be missing or not finite, real
// polynomials must give real roots exactly real and pairs exactly conjugate, and where the roots stand apart
// the inclusion discs must certify the count of real roots.
//   build/bin/root_sweep [seeds] [first-seed]      (about 480 polynomials per seed)

#include "engine/roots.h"
#include "polynomial_families.h"
#include "root_certificate.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <map>
#include <sstream>

namespace
{

using engine::Complex;

struct Tally {
    int solved = 0;
    int notFinite = 0;
    int notARoot = 0;
    int unproven = 0;
    double worstBackward = 0; // in units of n eps
};

// The family part of a name: everything before the first parameter ("n=", "seed=", "w=", "m=" ...).
std::string family(const std::string &name)
{
    const auto equals = name.find('=');
    if (equals == std::string::npos) {
        return name;
    }
    const auto cut = name.rfind(' ', equals);
    return cut == std::string::npos ? name : name.substr(0, cut);
}

std::vector<Complex> solve(const engine_test::GeneratedPolynomial &p)
{
    std::ostringstream printed;
    engine::ErrorService errors(printed);
    const int degree = static_cast<int>(p.coefficients.size()) - 1;
    std::vector<Complex> roots(static_cast<std::size_t>(degree));
    if (p.realCoefficients) {
        std::vector<double> coeff;
        for (const Complex &c : p.coefficients) {
            coeff.push_back(c.real());
        }
        engine::DZPORC(degree, coeff, roots, errors);
    } else {
        std::vector<Complex> coeff = p.coefficients;
        engine::DZPOCC(degree, coeff, roots, errors);
    }
    return roots;
}

} // namespace

int main(int argc, char **argv)
{
    const int seeds = argc > 1 ? std::atoi(argv[1]) : 1;
    const auto firstSeed = static_cast<std::uint32_t>(argc > 2 ? std::atoi(argv[2]) : 1);
    const double eps = std::numeric_limits<double>::epsilon();
    const double allowed = 16.0; // backward error in units of n eps
    std::map<std::string, Tally> tallies;
    double seconds = 0;
    int shown = 0;
    for (const auto &p : engine_test::polynomialFamilies(seeds, firstSeed)) {
        const auto start = std::chrono::steady_clock::now();
        const std::vector<Complex> roots = solve(p);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        Tally &t = tallies[family(p.name)];
        ++t.solved;
        const double n = static_cast<double>(roots.size());
        bool finite = true;
        for (const Complex &z : roots) {
            finite = finite && std::isfinite(z.real()) && std::isfinite(z.imag());
        }
        std::string fault;
        if (!finite) {
            ++t.notFinite;
            fault = "not finite";
        } else {
            const auto c = engine_test::certify(p.coefficients, roots, p.realCoefficients);
            const double backward = c.worstBackwardError / (n * eps);
            t.worstBackward = std::fmax(t.worstBackward, backward);
            if (backward > allowed) {
                ++t.notARoot;
                fault = "backward error " + std::to_string(backward) + " n eps";
            } else if (p.separatedRoots && (!c.isolated || (p.realCoefficients && c.realRoots < 0))) {
                ++t.unproven;
                fault = "discs do not certify the roots";
            } else if (std::string why; p.realCoefficients && !engine_test::conjugateStructure(roots, &why)) {
                ++t.notARoot;
                fault = why;
            }
        }
        if (!fault.empty() && shown++ < 40) {
            std::cout << "  " << p.name << ": " << fault << "\n";
        }
    }
    std::cout << "family                 solved  not-finite  not-a-root  unproven  worst(n eps)\n";
    Tally all;
    for (const auto &[name, t] : tallies) {
        std::printf("%-22s %7d %11d %11d %9d %12.3g\n",
            name.c_str(),
            t.solved,
            t.notFinite,
            t.notARoot,
            t.unproven,
            t.worstBackward);
        all.solved += t.solved;
        all.notFinite += t.notFinite;
        all.notARoot += t.notARoot;
        all.unproven += t.unproven;
    }
    std::printf("%-22s %7d %11d %11d %9d\n", "all", all.solved, all.notFinite, all.notARoot, all.unproven);
    std::printf("solve time %.3f s\n", seconds);
    return all.notFinite + all.notARoot + all.unproven > 0 ? 1 : 0;
}
