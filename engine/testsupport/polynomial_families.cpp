#include "polynomial_families.h"

#include <cmath>
#include <random>
#include <utility>

namespace engine_test
{
namespace
{

using Complex = std::complex<double>;
using WideComplex = std::complex<long double>;

GeneratedPolynomial binomial(const std::string &family, int n, Complex constant, bool real)
{
    GeneratedPolynomial p { family + " n=" + std::to_string(n), real, std::vector<Complex>(n + 1, 0.0), true };
    p.coefficients.front() = constant;
    p.coefficients.back() = 1.0;
    return p;
}

// The leading coefficient times the product of (x - r) over the roots (a set symmetric about the real axis),
// multiplied out in extended precision and rounded once to real coefficients.
std::vector<Complex> multiplyOut(const std::vector<WideComplex> &roots, long double leading)
{
    std::vector<WideComplex> c { leading }; // increasing powers, grown by one factor at a time
    for (const WideComplex &r : roots) {
        c.push_back(0);
        for (std::size_t k = c.size() - 1; k > 0; --k) {
            c[k] = c[k - 1] - r * c[k];
        }
        c[0] = -r * c[0];
    }
    std::vector<Complex> result;
    for (const WideComplex &x : c) {
        result.emplace_back(static_cast<double>(x.real()), 0.0); // what is left of the imaginary parts is rounding
    }
    return result;
}

void addBinomials(std::vector<GeneratedPolynomial> &out)
{
    for (int n = 1; n <= 100; ++n) {
        out.push_back(binomial("x^n - 1", n, -1.0, true));
        out.push_back(binomial("x^n + 1", n, 1.0, true));
        for (const double c : { 0.7, 1.5 }) {
            const std::string name = "c=" + std::to_string(c).substr(0, 3);
            out.push_back(binomial("x^n - c^n " + name, n, -std::pow(c, n), true));
            out.push_back(binomial("x^n + c^n " + name, n, std::pow(c, n), true));
        }
    }
}

void addRandomReal(std::vector<GeneratedPolynomial> &out, int seeds, std::uint32_t firstSeed)
{
    for (int n = 1; n <= 100; ++n) {
        for (int s = 0; s < seeds; ++s) {
            const std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(s);
            std::mt19937 rng(seed * 1000u + static_cast<std::uint32_t>(n));
            std::normal_distribution<double> gauss;
            std::uniform_int_distribution<int> digit(-8, 8);
            const std::string tag = " n=" + std::to_string(n) + " seed=" + std::to_string(seed);
            GeneratedPolynomial normal { "normal" + tag, true, {}, true };
            // Small integers repeat roots now and then ((x - 1)^2 divides some): no disc can separate those.
            GeneratedPolynomial integer { "integer" + tag, true, {}, false };
            for (int k = 0; k <= n; ++k) {
                normal.coefficients.emplace_back(gauss(rng));
                int d = 0;
                while ((k == 0 || k == n) && d == 0) {
                    d = digit(rng);
                }
                integer.coefficients.emplace_back(k == 0 || k == n ? d : digit(rng));
            }
            out.push_back(normal);
            out.push_back(integer);
            for (const double scale : { 1e300, 1e-300 }) {
                GeneratedPolynomial scaled = normal;
                scaled.name = (scale > 1 ? "normal*1e300" : "normal*1e-300") + tag;
                for (Complex &c : scaled.coefficients) {
                    c *= scale;
                }
                out.push_back(scaled);
            }
        }
    }
}

void addChosenRoots(std::vector<GeneratedPolynomial> &out, int seeds, std::uint32_t firstSeed)
{
    // Lattices symmetric about the real axis: x = 0.25 + 0.5 a, y = 0.5 b.
    for (int w = 0; w <= 4; ++w) {
        for (int h = 0; h <= 5; ++h) {
            std::vector<WideComplex> roots;
            for (int a = -w; a <= w; ++a) {
                for (int b = -h; b <= h; ++b) {
                    roots.emplace_back(0.25L + 0.5L * a, 0.5L * b);
                }
            }
            if (roots.size() > 100) {
                continue;
            }
            out.push_back(
                { "lattice w=" + std::to_string(w) + " h=" + std::to_string(h), true, multiplyOut(roots, 1.0L), true });
        }
    }
    for (int s = 0; s < seeds; ++s) {
        const std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(s);
        std::mt19937 rng(seed);
        std::normal_distribution<long double> gauss;
        // Multiple roots 1 (m-fold) and -0.5 (double) times random real roots and pairs.
        for (int m = 2; m <= 4; ++m) {
            for (int extra : { 0, 3, 10 }) {
                std::vector<WideComplex> roots(static_cast<std::size_t>(m), 1.0L);
                roots.insert(roots.end(), 2, -0.5L);
                for (int k = 0; k < extra; ++k) {
                    roots.emplace_back(2.0L + gauss(rng));
                }
                out.push_back({ "cluster m=" + std::to_string(m) + " extra=" + std::to_string(extra)
                        + " seed=" + std::to_string(seed),
                    true,
                    multiplyOut(roots, 1.0L),
                    false });
            }
        }
        // Roots of magnitude 1e-30 and 1e30: real roots and conjugate pairs, degree up to 10.
        for (const long double scale : { 1e-30L, 1e30L }) {
            for (int n = 1; n <= 10; ++n) {
                std::vector<WideComplex> roots;
                while (static_cast<int>(roots.size()) < n) {
                    const long double x = gauss(rng) * scale;
                    const long double y = gauss(rng) * scale;
                    if (static_cast<int>(roots.size()) + 2 <= n && (roots.size() % 3) != 0) {
                        roots.emplace_back(x, y);
                        roots.emplace_back(x, -y);
                    } else {
                        roots.emplace_back(x, 0.0L);
                    }
                }
                out.push_back({ std::string(scale < 1 ? "roots*1e-30" : "roots*1e30") + " n=" + std::to_string(n)
                        + " seed=" + std::to_string(seed),
                    true,
                    multiplyOut(roots, 1.0L + std::fabs(gauss(rng))),
                    true });
            }
        }
    }
}

void addComplex(std::vector<GeneratedPolynomial> &out, int seeds, std::uint32_t firstSeed)
{
    for (int n = 1; n <= 49; ++n) {
        for (int s = 0; s < seeds; ++s) {
            const std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(s);
            std::mt19937 rng(seed * 1000u + 500u + static_cast<std::uint32_t>(n));
            std::normal_distribution<double> gauss;
            GeneratedPolynomial p {
                "complex normal n=" + std::to_string(n) + " seed=" + std::to_string(seed), false, {}, true
            };
            for (int k = 0; k <= n; ++k) {
                p.coefficients.emplace_back(gauss(rng), gauss(rng));
            }
            out.push_back(p);
        }
        out.push_back(binomial("z^n - c", n, -std::polar(1.7, 0.3 + n), false));
    }
}

// Chebyshev T_n and Legendre P_n in the monomial basis (n = 2..100), by their three-term recurrences in extended
// precision; for odd n the root at the origin is divided out. Their real roots crowd towards +-1, where the
// rounded coefficients leave a wide region of points that are all roots to within rounding.
void addOrthogonal(std::vector<GeneratedPolynomial> &out)
{
    const auto add = [&](const std::string &family, const std::vector<long double> &c, int n) {
        GeneratedPolynomial p { family + " n=" + std::to_string(n), true, {}, false };
        for (std::size_t k = n % 2 == 0 ? 0 : 1; k < c.size(); ++k) {
            p.coefficients.emplace_back(static_cast<double>(c[k]), 0.0);
        }
        out.push_back(p);
    };
    std::vector<long double> t0 { 1.0L }, t1 { 0.0L, 1.0L };
    std::vector<long double> p0 { 1.0L }, p1 { 0.0L, 1.0L };
    for (int n = 2; n <= 100; ++n) {
        std::vector<long double> t2(static_cast<std::size_t>(n) + 1, 0.0L), p2(t2);
        for (std::size_t k = 0; k < t1.size(); ++k) {
            t2[k + 1] += 2.0L * t1[k];
            p2[k + 1] += (2.0L * n - 1.0L) / n * p1[k];
        }
        for (std::size_t k = 0; k < t0.size(); ++k) {
            t2[k] -= t0[k];
            p2[k] -= (n - 1.0L) / n * p0[k];
        }
        t0 = std::exchange(t1, t2);
        p0 = std::exchange(p1, p2);
        add("chebyshev", t1, n);
        add("legendre", p1, n);
    }
}

// Sparse trinomials x^n + a x^k + b: large and small middle terms, and their roots on and off the unit circle.
void addTrinomials(std::vector<GeneratedPolynomial> &out)
{
    for (int n = 3; n <= 100; ++n) {
        for (const int k : { 1, n / 2, n - 1 }) {
            for (const double a : { 1.0, -1.0, 1e-8, 1e8 }) {
                GeneratedPolynomial p { "trinomial n=" + std::to_string(n) + " k=" + std::to_string(k), true,
                    std::vector<Complex>(static_cast<std::size_t>(n) + 1, 0.0), false };
                p.coefficients.back() = 1.0;
                p.coefficients[static_cast<std::size_t>(k)] += a;
                p.coefficients.front() += k % 2 == 0 ? 1.0 : -1.0;
                out.push_back(p);
            }
        }
    }
}

// Coefficients of random sign and random magnitude anywhere from 1e-150 to 1e150, real and complex: roots of
// wildly different sizes in one polynomial.
void addWideRange(std::vector<GeneratedPolynomial> &out, int seeds, std::uint32_t firstSeed)
{
    for (int s = 0; s < seeds; ++s) {
        const std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(s);
        std::mt19937 rng(seed * 7919u);
        std::uniform_real_distribution<double> exponent(-150.0, 150.0);
        std::uniform_real_distribution<double> turn(0.0, 6.283185307179586);
        for (int n = 1; n <= 100; ++n) {
            GeneratedPolynomial real { "wide range n=" + std::to_string(n) + " seed=" + std::to_string(seed), true,
                {}, false };
            for (int k = 0; k <= n; ++k) {
                real.coefficients.emplace_back(std::copysign(std::pow(10.0, exponent(rng)), turn(rng) - 3.14));
            }
            out.push_back(real);
            if (n <= 49) {
                GeneratedPolynomial complex { "complex wide range n=" + std::to_string(n) + " seed="
                        + std::to_string(seed),
                    false, {}, false };
                for (int k = 0; k <= n; ++k) {
                    complex.coefficients.push_back(std::polar(std::pow(10.0, exponent(rng)), turn(rng)));
                }
                out.push_back(complex);
            }
        }
    }
}

// Roots near 1e-20, 1 and 1e20 in one polynomial (degree 3..20), and complex roots repeated m times.
void addMixedScalesAndRepeats(std::vector<GeneratedPolynomial> &out, int seeds, std::uint32_t firstSeed)
{
    for (int s = 0; s < seeds; ++s) {
        const std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(s);
        std::mt19937 rng(seed * 104729u);
        std::uniform_real_distribution<long double> spread(0.5L, 2.0L);
        for (int n = 3; n <= 20; ++n) {
            std::vector<WideComplex> roots;
            for (int i = 0; i < n; ++i) {
                const long double scale = i % 3 == 0 ? 1e-20L : (i % 3 == 1 ? 1.0L : 1e20L);
                roots.emplace_back((i % 2 == 0 ? 1.0L : -1.0L) * scale * spread(rng), 0.0L);
            }
            out.push_back({ "mixed scales n=" + std::to_string(n) + " seed=" + std::to_string(seed), true,
                multiplyOut(roots, 1.0L), true });
        }
    }
    for (int m = 1; m <= 12; ++m) {
        std::vector<WideComplex> c { 1.0L }; // (z - i)^m (z - 2 + i)^m, multiplied out in extended precision
        for (int k = 0; k < 2 * m; ++k) {
            const WideComplex r = k % 2 == 0 ? WideComplex(0.0L, 1.0L) : WideComplex(2.0L, -1.0L);
            c.push_back(0);
            for (std::size_t j = c.size() - 1; j > 0; --j) {
                c[j] = c[j - 1] - r * c[j];
            }
            c[0] = -r * c[0];
        }
        GeneratedPolynomial p { "complex repeated m=" + std::to_string(m), false, {}, false };
        for (const WideComplex &x : c) {
            p.coefficients.emplace_back(static_cast<double>(x.real()), static_cast<double>(x.imag()));
        }
        out.push_back(p);
    }
}

} // namespace

std::vector<GeneratedPolynomial> polynomialFamilies(int seeds, std::uint32_t firstSeed)
{
    std::vector<GeneratedPolynomial> out;
    addBinomials(out);
    addRandomReal(out, seeds, firstSeed);
    addChosenRoots(out, seeds, firstSeed);
    addComplex(out, seeds, firstSeed);
    addOrthogonal(out);
    addTrinomials(out);
    addWideRange(out, seeds, firstSeed);
    addMixedScalesAndRepeats(out, seeds, firstSeed);
    return out;
}

} // namespace engine_test
