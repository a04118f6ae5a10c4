// Roots of complex polynomials: the three-stage variable-shift method of Jenkins and Traub for complex
// coefficients (ACM algorithm 419): a no-shift stage, a fixed-shift stage and a variable-shift (Newton-like)
// stage find one root at a time, which is then deflated.
//
// Arrays are indexed from 1 as in the published method (element 0 unused), highest power first.

#include "root_bound.h"
#include "scale.h"
#include "three_stage.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace engine::KOVALIN_KERNEL_TAG
{
namespace
{

constexpr int maxDegree = 49;
constexpr int capacity = maxDegree + 1;
using Vector = std::array<Complex, capacity + 1>;

// x*y + z in plain double arithmetic (std::complex's operator* checks for infinities on every call, which the
// Horner loops do not need). Where the processor has a fused multiply-add, each part takes two of them: half
// the instructions, and one rounding less.
inline Complex mulAdd(Complex x, Complex y, Complex z)
{
#ifdef __FMA__
    return { std::fma(x.real(), y.real(), std::fma(-x.imag(), y.imag(), z.real())),
        std::fma(x.real(), y.imag(), std::fma(x.imag(), y.real(), z.imag())) };
#else
    return { x.real() * y.real() - x.imag() * y.imag() + z.real(),
        x.real() * y.imag() + x.imag() * y.real() + z.imag() };
#endif
}

// |z| computed directly, as the method states it: the working polynomial is scaled, and a modulus that
// overflows only fails an attempt, which the verification and its fallback make good. Where moduli are only
// compared, their squares are (the same test without the square roots).
inline double directModulus(Complex z)
{
    return std::sqrt(z.real() * z.real() + z.imag() * z.imag());
}

// a / b by Smith's method: scaled by the larger part of b, so neither overflows on the way; inline, where the
// run-time library's division checks for infinities on every call.
inline Complex divide(Complex a, Complex b)
{
    if (std::fabs(b.real()) >= std::fabs(b.imag())) {
        const double ratio = b.imag() / b.real();
        const double scale = b.real() + b.imag() * ratio;
        return { (a.real() + a.imag() * ratio) / scale, (a.imag() - a.real() * ratio) / scale };
    }
    const double ratio = b.real() / b.imag();
    const double scale = b.real() * ratio + b.imag();
    return { (a.real() * ratio + a.imag()) / scale, (a.imag() * ratio - a.real()) / scale };
}

// Horner's rule: partial values into q, value returned.
Complex DZ8OCC(int nn, Complex s, const Vector &p, Vector &q)
{
    Complex pv = p[1];
    q[1] = pv;
    for (int i = 2; i <= nn; ++i) {
        pv = mulAdd(pv, s, p[i]);
        q[i] = pv;
    }
    return pv;
}

// DZ8OCC of p(1..np) and of h(1..np-1) at the same point, the two independent Horner chains side by side so
// that each fills the other's waiting time. The results are those of the two evaluations one after the other.
// (The chains run in locals: a chain through the output reference would wait on memory at every step.)
Complex evaluateBoth(int np, Complex s, const Vector &p, Vector &q, const Vector &h, Vector &qh, Complex &hValue)
{
    Complex pv = p[1];
    Complex hv = h[1];
    q[1] = pv;
    qh[1] = hv;
    for (int i = 2; i < np; ++i) {
        pv = mulAdd(pv, s, p[i]);
        hv = mulAdd(hv, s, h[i]);
        q[i] = pv;
        qh[i] = hv;
    }
    pv = mulAdd(pv, s, p[np]);
    q[np] = pv;
    hValue = hv;
    return pv;
}

// evaluateBoth and, along the same pass, DZ9OCC: the bound on the rounding error of the evaluation of p. Its
// chain is shorter than Horner's, so it comes in Horner's waiting time. The square roots of the moduli are slow
// and wait for the chains: they are taken four at a time, after four steps of the chains, so that the chains
// never wait for them. The results are those of the evaluations and the bound one after the other.
Complex evaluateBothWithBound(int np, Complex s, const Vector &p, Vector &q, const Vector &h, Vector &qh,
    Complex &hValue, double &bound, double are, double mre)
{
    constexpr int block = 4;
    const double ms = directModulus(s);
    Complex pv = p[1];
    Complex hv = h[1];
    q[1] = pv;
    qh[1] = hv;
    double e = directModulus(pv) * mre / (are + mre);
    e = e * ms + directModulus(pv);
    int i = 2;
    for (; i + block <= np - 1; i += block) {
        std::array<double, block> squared {};
        for (int k = 0; k < block; ++k) {
            pv = mulAdd(pv, s, p[i + k]);
            hv = mulAdd(hv, s, h[i + k]);
            q[i + k] = pv;
            qh[i + k] = hv;
            squared[static_cast<std::size_t>(k)] = squaredModulus(pv);
        }
        for (const double x : squared) {
            e = e * ms + std::sqrt(x);
        }
    }
    for (; i < np; ++i) {
        pv = mulAdd(pv, s, p[i]);
        hv = mulAdd(hv, s, h[i]);
        q[i] = pv;
        qh[i] = hv;
        e = e * ms + directModulus(pv);
    }
    pv = mulAdd(pv, s, p[np]);
    q[np] = pv;
    e = e * ms + directModulus(pv);
    hValue = hv;
    bound = e * (are + mre) - directModulus(pv) * mre;
    return pv;
}

// Lower bound on the moduli of the roots.
double DZ10CC(int nn, const Vector &p)
{
    std::array<double, capacity + 1> pt {};
    for (int i = 1; i <= nn; ++i) {
        pt[static_cast<std::size_t>(i)] = directModulus(p[i]);
    }
    return lowerRootBound(pt.data(), nn);
}

// Scale factor base^l that brings the coefficients' moduli into a safe range (1 when they already are).
double DZ11CC(int nn, const Vector &p, double eta, double infin, double smalno, double base)
{
    double max = 0.0;
    double min = infin;
    for (int i = 1; i <= nn; ++i) {
        const double x = directModulus(p[i]);
        if (x > max) {
            max = x;
        }
        if (x != 0.0 && x < min) {
            min = x;
        }
    }
    const double hi = std::sqrt(infin);
    const double lo = smalno / eta;
    if (min >= lo && max <= hi) {
        return 1.0;
    }
    const double x = lo / min;
    double sc;
    if (x > 1.0) {
        sc = infin / x < max ? 1.0 : x;
    } else {
        sc = 1.0 / (std::sqrt(max) * std::sqrt(min));
    }
    return std::pow(base, scaleExponent(sc, base));
}

// The working state of one solve. Per call, so the solver is re-entrant.
struct DZ13CC {
    Vector P {}; // current polynomial
    Vector QP {}; // partial values of the last evaluation of P (also the deflated polynomial)
    Vector H {}; // shift polynomial
    Vector QH {}; // partial values of the last evaluation of H
    Vector SH {}; // H saved before a third-stage attempt
    Complex s; // shift point
    Complex t; // correction -P(s)/H(s)
    Complex pv; // P(s)
    double eta = 0, are = 0, mre = 0, infin = 0;
    int nn = 0;

    void DZ3OCC(int l1);
    bool DZ4OCC(int l2, Complex &z);
    bool DZ5OCC(int l3, Complex &z);
    bool DZ6OCC();
    bool correction(Complex hv);
    bool evaluateBothAndDZ6OCC();
    bool nextShiftPolynomial(bool bol);
};

// First stage: H starts as the scaled derivative and gets l1 steps without shift.
void DZ13CC::DZ3OCC(int l1)
{
    const int n = nn - 1;
    for (int i = 1; i <= n; ++i) {
        H[i] = P[i] * (static_cast<double>(nn - i) / n);
    }
    for (int jj = 1; jj <= l1; ++jj) {
        if (squaredModulus(H[n]) > (eta * 10.0) * (eta * 10.0) * squaredModulus(P[n])) {
            t = divide(-P[nn], H[n]);
            for (int j = n; j >= 2; --j) {
                H[j] = mulAdd(t, H[j - 1], P[j]);
            }
            H[1] = P[1];
        } else {
            for (int j = n; j >= 2; --j) {
                H[j] = H[j - 1];
            }
            H[1] = Complex(0.0, 0.0);
        }
    }
}

// Second stage: fixed shift s; when the corrections settle twice in a row, the third stage takes over.
// Returns true with the root in z when the third stage converged.
bool DZ13CC::DZ4OCC(int l2, Complex &z)
{
    bool bol = evaluateBothAndDZ6OCC();
    bool test = true;
    bool pasd = false;
    for (int j = 1; j <= l2; ++j) {
        const Complex ot = t;
        bol = nextShiftPolynomial(bol);
        z = s + t;
        if (bol || !test || j == l2) {
            continue;
        }
        if (squaredModulus(t - ot) >= 0.25 * squaredModulus(z)) {
            pasd = false;
            continue;
        }
        if (!pasd) {
            pasd = true;
            continue;
        }
        // The weak convergence test passed twice in a row: try the third stage from here.
        SH = H;
        const Complex svs = s;
        if (DZ5OCC(10, z)) {
            return true;
        }
        // Not yet: go on with the second stage, without the test this time.
        test = false;
        H = SH;
        s = svs;
        bol = evaluateBothAndDZ6OCC();
    }
    // One last attempt with the final H of the second stage.
    return DZ5OCC(10, z);
}

// Third stage: variable-shift iterations from z. Returns true with the root in z on convergence.
bool DZ13CC::DZ5OCC(int l3, Complex &z)
{
    bool b = false;
    s = z;
    double omp = 0.0;
    double relstp = 1.0;
    for (int i = 1; i <= l3; ++i) {
        // H at s is needed next unless this step converges: evaluated along with P.
        Complex hv;
        double bound = 0.0;
        pv = evaluateBothWithBound(nn, s, P, QP, H, QH, hv, bound, are, mre);
        const double mp = directModulus(pv);
        if (mp <= 20.0 * bound) {
            z = s;
            return true;
        }
        bool bol = false;
        if (i != 1 && !b && mp >= omp && relstp < 0.05) {
            // The iteration stalls near a cluster of roots: a small step off the line, then five
            // fixed-shift steps to refresh H.
            const double r1 = std::sqrt(std::max(relstp, eta));
            const double x = s.real();
            const double y = s.imag();
            s = Complex(x * (r1 + 1.0) - y * r1, x * r1 + y * (r1 + 1.0));
            pv = DZ8OCC(nn, s, P, QP);
            bol = DZ6OCC();
            for (int j = 1; j <= 5; ++j) {
                bol = nextShiftPolynomial(bol);
            }
            omp = infin;
            b = true;
        } else {
            if (i != 1 && mp * 0.1 > omp) {
                // The value grew markedly: this start does not lead to a root.
                return false;
            }
            omp = mp;
            bol = correction(hv);
        }
        if (!nextShiftPolynomial(bol)) {
            relstp = directModulus(t) / directModulus(s);
            s += t;
        }
    }
    return false;
}

// t = -P(s)/H(s); true (and t = 0) when H(s) is essentially zero.
bool DZ13CC::DZ6OCC()
{
    return correction(DZ8OCC(nn - 1, s, H, QH));
}

// DZ8OCC of P at s followed by DZ6OCC, the two evaluations side by side.
bool DZ13CC::evaluateBothAndDZ6OCC()
{
    Complex hv;
    pv = evaluateBoth(nn, s, P, QP, H, QH, hv);
    return correction(hv);
}

// The part of DZ6OCC after the evaluation of H: hv = H(s).
bool DZ13CC::correction(Complex hv)
{
    const bool bol = squaredModulus(hv) <= (are * 10.0) * (are * 10.0) * squaredModulus(H[nn - 1]);
    t = bol ? Complex(0.0, 0.0) : divide(-pv, hv);
    return bol;
}

// DZ7OCC, the next shift polynomial H, followed by DZ6OCC on it in the same pass: each new coefficient of H goes
// straight into the Horner chain at s, so the update costs no pass of its own. The old partial values of H are
// read before the chain overwrites them; the results are those of the two routines one after the other.
bool DZ13CC::nextShiftPolynomial(bool bol)
{
    const int n = nn - 1;
    const auto pass = [&](Complex first, auto coefficient) {
        Complex previous = QH[1];
        H[1] = first;
        Complex hv = first;
        QH[1] = hv;
        for (int j = 2; j <= n; ++j) {
            const Complex current = QH[j];
            H[j] = coefficient(previous, j);
            hv = mulAdd(hv, s, H[j]);
            QH[j] = hv;
            previous = current;
        }
        return hv;
    };
    if (bol) {
        // H(s) was essentially zero: H is shifted down unscaled.
        return correction(pass(Complex(0.0, 0.0), [](Complex previous, int) { return previous; }));
    }
    return correction(pass(QP[1], [&](Complex previous, int j) { return mulAdd(t, previous, QP[j]); }));
}

} // namespace

int findComplexRoots(const Complex *coeff, int degree, Complex *root, const MachineConstants &machine)
{
    DZ13CC state;
    state.eta = machine.eta;
    state.are = state.eta;
    state.mre = 2.0 * std::sqrt(2.0) * state.eta;
    state.infin = machine.infin;
    double xx = std::sqrt(0.5);
    double yy = -xx;
    const double cosr = -0.06975647;
    const double sinr = 0.9975641;
    int next = 0;

    int nn = degree + 1;
    while (coeff[nn - 1] == Complex(0.0, 0.0)) {
        root[next++] = Complex(0.0, 0.0);
        --nn;
        if (nn == 1) {
            return next;
        }
    }
    state.nn = nn;
    for (int i = 1; i <= nn; ++i) {
        state.P[i] = coeff[i - 1];
    }
    const double factor = DZ11CC(nn, state.P, state.eta, state.infin, machine.smalno, machine.base);
    if (factor != 1.0) {
        for (int i = 1; i <= nn; ++i) {
            state.P[i] *= factor;
        }
    }

    while (state.nn >= 3) {
        const double bnd = DZ10CC(state.nn, state.P);
        bool converged = false;
        Complex z;
        for (int pass = 1; pass <= 2 && !converged; ++pass) {
            state.DZ3OCC(5);
            for (int cnt2 = 1; cnt2 <= 9 && !converged; ++cnt2) {
                const double xxx = cosr * xx - sinr * yy;
                yy = sinr * xx + cosr * yy;
                xx = xxx;
                state.s = Complex(bnd * xx, bnd * yy);
                converged = state.DZ4OCC(10 * cnt2, z);
            }
        }
        if (!converged) {
            return next;
        }
        root[next++] = z;
        --state.nn;
        for (int i = 1; i <= state.nn; ++i) {
            state.P[i] = state.QP[i];
        }
    }
    root[next++] = divide(-state.P[2], state.P[1]);
    return next;
}

} // namespace engine::KOVALIN_KERNEL_TAG
