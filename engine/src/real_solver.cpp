// Roots of real polynomials: the three-stage variable-shift method of Jenkins and Traub for real coefficients
// (ACM algorithm 493), which finds real roots one at a time and complex-conjugate pairs as real quadratic
// factors, deflating after each find. Sums of products in the recurrences are accumulated exactly
// (accumulate.h), which keeps the deflated coefficients accurate for high degrees.
//
// Arrays are indexed from 1 as in the published method (element 0 unused), highest power first.

#include "accumulate.h"
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

constexpr int maxDegree = 100;
constexpr int capacity = maxDegree + 1;
using Vector = std::array<double, capacity + 1>;

// Division of p(1..nn) by x^2 + u*x + v: quotient into q, remainder terms a (linear) and b.
void DZ9ORC(int nn, double u, double v, const Vector &p, Vector &q, double &a, double &b)
{
    double older = p[1];
    q[1] = older;
    double last = dd::sum(p[2], -u, older);
    q[2] = last;
    for (int i = 3; i <= nn; ++i) {
        // The product with the older remainder first: it is ready a step earlier, which keeps it off the
        // chain of dependent operations from one step to the next.
        const double c = dd::recurrenceSum(p[i], -v, older, -u, last);
        q[i] = c;
        older = last;
        last = c;
    }
    a = last;
    b = older;
}

// DZ9ORC of p(1..np) into q, a, b and of k(1..np-1) into qk, c, d by the same quadratic, in one loop: each
// step of a division waits for the rounding of the step before, and two independent divisions side by side
// fill each other's waiting time. The results are those of the two divisions one after the other.
// `eachQuotient(i, q[i])` sees the quotient of p as it is made (i = 1 .. np - 1): a sum over it runs in the
// divisions' waiting time too.
struct NoSumOverQuotient {
    void operator()(int, double) const {}
};

template <typename EachQuotient = NoSumOverQuotient>
void divideBoth(int np,
    double u,
    double v,
    const Vector &p,
    Vector &q,
    double &a,
    double &b,
    const Vector &k,
    Vector &qk,
    double &c,
    double &d,
    EachQuotient eachQuotient = {})
{
    double older = p[1];
    double kOlder = k[1];
    q[1] = older;
    qk[1] = kOlder;
    eachQuotient(1, older);
    double last = dd::sum(p[2], -u, older);
    double kLast = dd::sum(k[2], -u, kOlder);
    q[2] = last;
    qk[2] = kLast;
    eachQuotient(2, last);
    for (int i = 3; i < np; ++i) {
        const double next = dd::recurrenceSum(p[i], -v, older, -u, last);
        const double kNext = dd::recurrenceSum(k[i], -v, kOlder, -u, kLast);
        q[i] = next;
        qk[i] = kNext;
        eachQuotient(i, next);
        older = last;
        last = next;
        kOlder = kLast;
        kLast = kNext;
    }
    const double next = dd::recurrenceSum(p[np], -v, older, -u, last);
    q[np] = next;
    a = next;
    b = last;
    c = kLast;
    d = kOlder;
}

// The working state of one solve. Per call, so the solver is re-entrant.
struct DZ11RC {
    Vector P {}; // current polynomial
    Vector QP {}; // quotient of P by the quadratic, or partial values of P at a real point
    Vector K {}; // shift polynomial
    Vector QK {}; // quotient of K by the quadratic
    Vector SVK {}; // K saved before a third-stage attempt
    double sr = 0, si = 0; // shift point
    double u = 0, v = 0; // current quadratic x^2 + u*x + v
    double a = 0, b = 0, c = 0, d = 0; // remainders of P and K
    double a1 = 0, a3 = 0, a7 = 0, e = 0, f = 0, g = 0, h = 0;
    double szr = 0, szi = 0, lzr = 0, lzi = 0; // roots of the last quadratic
    double eta = 0, are = 0, mre = 0; // precision and error bounds of addition and multiplication
    int n = 0, nn = 0; // degree and number of coefficients

    int DZ3ORC(int l2);
    int DZ4ORC(double uu, double vv);
    int DZ5ORC(double &sss, int &iflag);
    int DZ6ORC();
    int scalarQuantities();
    int divideBothAndScalarQuantities();
    void DZ7ORC(int type);
    int nextShiftPolynomial(int type);
    template <bool divide>
    void nextK(int type);
    template <bool divide, typename Coefficient>
    void makeK(double k1, double k2, Coefficient coefficient);
    void DZ8ORC(int type, double &uu, double &vv);
};

// Second stage: fixed-shift iterations with the current quadratic; hands over to the third stage once the
// estimates of a real root or of a quadratic factor settle. Returns the number of roots found (0, 1 or 2).
int DZ11RC::DZ3ORC(int l2)
{
    double betav = 0.25;
    double betas = 0.25;
    double oss = sr;
    double ovv = v;
    double otv = 0, ots = 0;
    int type = divideBothAndScalarQuantities();
    for (int j = 1; j <= l2; ++j) {
        type = nextShiftPolynomial(type);
        double ui = 0, vi = 0;
        DZ8ORC(type, ui, vi);
        const double vv = vi;
        const double ss = K[n] != 0.0 ? -P[nn] / K[n] : 0.0;
        double tv = 1.0;
        double ts = 1.0;
        if (j != 1 && type != 3) {
            if (vv != 0.0) {
                tv = std::fabs((vv - ovv) / vv);
            }
            if (ss != 0.0) {
                ts = std::fabs((ss - oss) / ss);
            }
            const double tvv = tv < otv ? tv * otv : 1.0;
            const double tss = ts < ots ? ts * ots : 1.0;
            const bool vpass = tvv < betav;
            const bool spass = tss < betas;
            if (spass || vpass) {
                const double svu = u;
                const double svv = v;
                SVK = K;
                double s = ss;
                bool vtry = false;
                bool stry = false;
                enum class Next {
                    Quadratic,
                    Real,
                    Restore
                } next = spass && (!vpass || tss < tvv) ? Next::Real : Next::Quadratic;
                for (;;) {
                    if (next == Next::Quadratic) {
                        if (const int nz = DZ4ORC(ui, vi); nz > 0) {
                            return nz;
                        }
                        vtry = true;
                        betav *= 0.25;
                        if (!stry && spass) {
                            K = SVK;
                            next = Next::Real;
                        } else {
                            next = Next::Restore;
                        }
                    } else if (next == Next::Real) {
                        int iflag = 0;
                        if (const int nz = DZ5ORC(s, iflag); nz > 0) {
                            return nz;
                        }
                        stry = true;
                        betas *= 0.25;
                        if (iflag != 0) {
                            // An almost double real root: try the quadratic with both roots at s.
                            ui = -(s + s);
                            vi = s * s;
                            next = Next::Quadratic;
                        } else {
                            next = Next::Restore;
                        }
                    } else {
                        u = svu;
                        v = svv;
                        K = SVK;
                        if (vpass && !vtry) {
                            next = Next::Quadratic;
                            continue;
                        }
                        type = divideBothAndScalarQuantities();
                        break;
                    }
                }
            }
        }
        ovv = vv;
        oss = ss;
        otv = tv;
        ots = ts;
    }
    return 0;
}

// Third stage for a quadratic factor, starting from x^2 + uu*x + vv. Returns 2 when the factor converged.
int DZ11RC::DZ4ORC(double uu, double vv)
{
    bool tried = false;
    u = uu;
    v = vv;
    int j = 0;
    double omp = 0;
    double relstp = 0;
    for (;;) {
        Complex s, l;
        DZ10RC(1.0, u, v, s, l);
        szr = s.real();
        szi = s.imag();
        lzr = l.real();
        lzi = l.imag();
        // Real and distinct roots: the real iteration suits them better.
        if (std::fabs(std::fabs(szr) - std::fabs(lzr)) > 0.01 * std::fabs(lzr)) {
            return 0;
        }
        // K is divided by the same quadratic along with P: the next step needs it unless this one converges.
        // Along the division, the bound on the rounding error of evaluating P at the root estimate.
        const double zm = std::sqrt(std::fabs(v));
        double ee = 0.0;
        divideBoth(nn, u, v, P, QP, a, b, K, QK, c, d, [&](int i, double q) {
            ee = i == 1 ? 2.0 * std::fabs(q) : ee * zm + std::fabs(q);
        });
        bool kDivided = true;
        const double mp = std::fabs(a - szr * b) + std::fabs(szi * b);
        const double t = -szr * b;
        ee = ee * zm + std::fabs(a + t);
        ee = (5.0 * mre + 4.0 * are) * ee - (5.0 * mre + 2.0 * are) * (std::fabs(a + t) + std::fabs(b) * zm)
            + 2.0 * are * std::fabs(t);
        if (mp <= 20.0 * ee) {
            return 2;
        }
        ++j;
        if (j > 20) {
            return 0;
        }
        if (j >= 2 && relstp <= 0.01 && mp >= omp && !tried) {
            // Stalled near a cluster of roots: perturb the quadratic and refresh K with a few fixed shifts.
            relstp = std::sqrt(std::max(relstp, eta));
            u = dd::sum(u, -u, relstp);
            v = dd::sum(v, v, relstp);
            int type = divideBothAndScalarQuantities();
            for (int i = 2; i <= 5; ++i) {
                type = nextShiftPolynomial(type);
            }
            DZ7ORC(type);
            kDivided = false;
            tried = true;
            j = 0;
        }
        omp = mp;
        double ui = 0, vi = 0;
        DZ8ORC(nextShiftPolynomial(kDivided ? scalarQuantities() : DZ6ORC()), ui, vi);
        if (vi == 0.0) {
            return 0;
        }
        relstp = std::fabs((vi - v) / vi);
        u = ui;
        v = vi;
    }
}

// Third stage for a real root starting at sss. Returns 1 when it converged; sets iflag (and sss) when the
// iterates stall near a cluster, asking for a quadratic iteration instead.
int DZ11RC::DZ5ORC(double &sss, int &iflag)
{
    double s = sss;
    iflag = 0;
    int j = 0;
    double omp = 0;
    double t = 0;
    for (;;) {
        // P at s by Horner's rule and, along the same pass, the bound on its rounding error.
        const double ms = std::fabs(s);
        double pv = P[1];
        QP[1] = pv;
        double ee = (mre / (are + mre)) * std::fabs(pv);
        for (int i = 2; i <= nn; ++i) {
            pv = dd::sum(P[i], pv, s);
            QP[i] = pv;
            ee = ee * ms + std::fabs(pv);
        }
        const double mp = std::fabs(pv);
        if (mp <= 20.0 * ((are + mre) * ee - mre * mp)) {
            szr = s;
            szi = 0.0;
            return 1;
        }
        ++j;
        if (j > 10) {
            return 0;
        }
        if (j >= 2 && std::fabs(t) <= 0.001 * std::fabs(s - t) && mp > omp) {
            iflag = 1;
            sss = s;
            return 0;
        }
        omp = mp;
        double kv = K[1];
        QK[1] = kv;
        for (int i = 2; i <= n; ++i) {
            kv = dd::sum(K[i], kv, s);
            QK[i] = kv;
        }
        // The next K, evaluated at s as each coefficient is made.
        if (std::fabs(kv) <= std::fabs(K[n]) * 10.0 * eta) {
            K[1] = 0.0;
            kv = 0.0;
            for (int i = 2; i <= n; ++i) {
                K[i] = QK[i - 1];
                kv = dd::sum(K[i], kv, s);
            }
        } else {
            t = -pv / kv;
            K[1] = QP[1];
            kv = K[1];
            for (int i = 2; i <= n; ++i) {
                K[i] = dd::sum(QP[i], t, QK[i - 1]);
                kv = dd::sum(K[i], kv, s);
            }
        }
        t = std::fabs(kv) > std::fabs(K[n]) * 10.0 * eta ? -pv / kv : 0.0;
        s += t;
    }
}

// Scalar quantities of the recurrences. Type 3: the quadratic is almost a factor of K.
int DZ11RC::DZ6ORC()
{
    DZ9ORC(n, u, v, K, QK, c, d);
    return scalarQuantities();
}

// DZ9ORC of P followed by DZ6ORC, the two divisions side by side.
int DZ11RC::divideBothAndScalarQuantities()
{
    divideBoth(nn, u, v, P, QP, a, b, K, QK, c, d);
    return scalarQuantities();
}

// The part of DZ6ORC after the division of K.
int DZ11RC::scalarQuantities()
{
    if (std::fabs(c) <= std::fabs(K[n]) * 100.0 * eta && std::fabs(d) <= std::fabs(K[n - 1]) * 100.0 * eta) {
        return 3;
    }
    if (std::fabs(d) >= std::fabs(c)) {
        e = a / d;
        f = c / d;
        g = u * b;
        h = v * b;
        a3 = dd::sum(0.0, a + g, e, h, b / d);
        a1 = dd::sum(-a, b, f);
        a7 = dd::sum(h, f + u, a);
        return 2;
    }
    e = a / c;
    f = d / c;
    g = u * e;
    h = v * b;
    a3 = dd::sum(0.0, a, e, h / c + g, b);
    a1 = dd::sum(b, -a, d / c);
    a7 = dd::sum(a, g, d, h, f);
    return 1;
}

// The next shift polynomial K.
void DZ11RC::DZ7ORC(int type)
{
    nextK<false>(type);
}

// DZ7ORC followed by DZ6ORC in one pass: each new coefficient of K goes straight into its division by the
// quadratic, whose chain of dependent steps leaves time for the making of the next one. The results are those
// of the two routines one after the other.
int DZ11RC::nextShiftPolynomial(int type)
{
    nextK<true>(type);
    return scalarQuantities();
}

// DZ7ORC, and with `divide` the division of the new K by the quadratic along the same pass.
template <bool divide>
void DZ11RC::nextK(int type)
{
    if (type == 3) {
        makeK<divide>(0.0, 0.0, [](int, double oldQuotient) { return oldQuotient; });
        return;
    }
    const double temp = type == 1 ? b : a;
    if (std::fabs(a1) <= std::fabs(temp) * eta * 10.0) {
        // a1 is almost zero: K is scaled by it, so leave it out.
        makeK<divide>(0.0, -a7 * QP[1], [&](int i, double oldQuotient) {
            return dd::sum(0.0, a3, oldQuotient, -a7, QP[i - 1]);
        });
        return;
    }
    a7 /= a1;
    a3 /= a1;
    makeK<divide>(QP[1], dd::sum(QP[2], -a7, QP[1]), [&](int i, double oldQuotient) {
        return dd::sum(QP[i], a3, oldQuotient, -a7, QP[i - 1]);
    });
}

// K(1) = k1, K(2) = k2 and K(i) = coefficient(i, old QK(i - 2)) for i = 3 .. n; with `divide`, each divided by
// the quadratic as it comes (DZ9ORC of K into QK, c, d), the old quotient read before the division overwrites it.
template <bool divide, typename Coefficient>
void DZ11RC::makeK(double k1, double k2, Coefficient coefficient)
{
    K[1] = k1;
    K[2] = k2;
    if constexpr (!divide) {
        for (int i = 3; i <= n; ++i) {
            K[i] = coefficient(i, QK[i - 2]);
        }
    } else {
        double oldBeforeLast = QK[1]; // the old QK(i - 2) and QK(i - 1) of step i
        double oldLast = QK[2];
        double older = K[1];
        QK[1] = older;
        double last = dd::sum(K[2], -u, older);
        QK[2] = last;
        for (int i = 3; i <= n; ++i) {
            const double oldHere = QK[i];
            K[i] = coefficient(i, oldBeforeLast);
            const double next = dd::recurrenceSum(K[i], -v, older, -u, last);
            QK[i] = next;
            oldBeforeLast = oldLast;
            oldLast = oldHere;
            older = last;
            last = next;
        }
        c = last;
        d = older;
    }
}

// New estimate (uu, vv) of the quadratic factor.
void DZ11RC::DZ8ORC(int type, double &uu, double &vv)
{
    if (type == 3) {
        uu = 0.0;
        vv = 0.0;
        return;
    }
    double a4, a5;
    if (type == 2) {
        a4 = dd::sum(h, a + g, f);
        a5 = dd::sum(0.0, f + u, c, v, d);
    } else {
        a4 = dd::sum(a, u, b, h, f);
        a5 = dd::sum(c, u + v * f, d);
    }
    const double b1 = -K[n] / P[nn];
    const double b2 = -dd::sum(K[n - 1], b1, P[n]) / P[nn];
    const double c1 = v * b2 * a1;
    const double c2 = b1 * a7;
    const double c3 = b1 * b1 * a3;
    const double c4 = c1 - c2 - c3;
    Accumulator acc;
    dd::init(a5, acc);
    dd::mul(b1, a4, acc);
    dd::add(-c4, acc);
    const double temp = dd::value(acc);
    if (temp == 0.0) {
        uu = 0.0;
        vv = 0.0;
        return;
    }
    uu = u - dd::sum(0.0, u, c3 + c2, v, dd::sum(0.0, b1, a1, b2, a7)) / temp;
    vv = dd::sum(v, v, c4 / temp);
}

// Lower bound on the moduli of the roots of P.
double cauchyLowerBound(const Vector &p, int nn)
{
    Vector pt {};
    for (int i = 1; i <= nn; ++i) {
        pt[i] = std::fabs(p[i]);
    }
    return lowerRootBound(pt.data(), nn);
}

// Scales P by a power of the base so that its coefficients stay well inside the range.
void scaleCoefficients(Vector &p, int nn, double base, double infin, double smalno, double lo)
{
    double max = 0.0;
    double min = infin;
    for (int i = 1; i <= nn; ++i) {
        const double x = std::fabs(p[i]);
        if (x > max) {
            max = x;
        }
        if (x != 0.0 && x < min) {
            min = x;
        }
    }
    double sc = lo / min;
    const bool shrink = sc <= 1.0 && max >= 10.0;
    const bool grow = sc > 1.0 && infin / sc >= max;
    if (!shrink && !grow) {
        return;
    }
    if (sc == 0.0) {
        sc = smalno;
    }
    const int l = scaleExponent(sc, base);
    if (l != 0) {
        const double factor = std::pow(base, l);
        for (int i = 1; i <= nn; ++i) {
            p[i] *= factor;
        }
    }
}

} // namespace

int findRealRoots(const double *coeff, int degree, Complex *root, const MachineConstants &machine)
{
    const double base = machine.base;
    const double infin = machine.infin;
    const double smalno = machine.smalno;
    int next = 0;
    DZ11RC state;
    state.eta = machine.eta;
    state.are = state.eta;
    state.mre = state.eta;
    const double lo = smalno / state.eta;
    int nn = degree + 1;
    // Initial shift direction and its rotation by 94 degrees between attempts.
    double xx = std::sqrt(0.5);
    double yy = -xx;
    const double cosr = -0.06975647;
    const double sinr = 0.9975641;

    // Roots at the origin.
    while (coeff[nn - 1] == 0.0) {
        root[next++] = Complex(0.0, 0.0);
        --nn;
        if (nn == 1) {
            return next;
        }
    }
    state.nn = nn;
    state.n = nn - 1;
    for (int i = 1; i <= nn; ++i) {
        state.P[i] = coeff[i - 1];
    }

    while (state.n >= 3) {
        scaleCoefficients(state.P, state.nn, base, infin, smalno, lo);
        const double bnd = cauchyLowerBound(state.P, state.nn);
        const int n = state.n;
        const int nnow = state.nn;

        // First stage: K starts as the scaled derivative and gets five no-shift steps.
        auto &K = state.K;
        const auto &P = state.P;
        for (int i = 1; i <= n; ++i) {
            K[i] = ((n - i + 1) * P[i]) / n;
        }
        const double aa = P[nnow];
        const double bb = P[n];
        bool zerok = K[n] == 0.0;
        for (int jj = 1; jj <= 5; ++jj) {
            if (!zerok) {
                const double t = -aa / K[n];
                for (int j = n; j >= 2; --j) {
                    K[j] = t * K[j - 1] + P[j];
                }
                K[1] = P[1];
                zerok = std::fabs(K[n]) <= std::fabs(bb) * state.eta * 10.0;
            } else {
                for (int j = n; j >= 2; --j) {
                    K[j] = K[j - 1];
                }
                K[1] = 0.0;
                zerok = K[n] == 0.0;
            }
        }
        const Vector savedK = K;

        // Second and third stages, with a new shift point after each failure.
        int nz = 0;
        for (int cnt = 1; cnt <= 20 && nz == 0; ++cnt) {
            const double xxx = cosr * xx - sinr * yy;
            yy = sinr * xx + cosr * yy;
            xx = xxx;
            state.sr = bnd * xx;
            state.si = bnd * yy;
            state.u = -2.0 * state.sr;
            state.v = bnd * bnd;
            nz = state.DZ3ORC(20 * cnt);
            if (nz == 0) {
                K = savedK;
            }
        }
        if (nz == 0) {
            return next;
        }
        root[next++] = Complex(state.szr, state.szi);
        if (nz == 2) {
            root[next++] = Complex(state.lzr, state.lzi);
        }
        state.nn -= nz;
        state.n = state.nn - 1;
        for (int i = 1; i <= state.nn; ++i) {
            state.P[i] = state.QP[i];
        }
    }

    const auto &P = state.P;
    if (state.n == 1) {
        root[next++] = Complex(-P[2] / P[1], 0.0);
    } else {
        DZ10RC(P[1], P[2], P[3], root[next], root[next + 1]);
        next += 2;
    }
    return next;
}

} // namespace engine::KOVALIN_KERNEL_TAG
