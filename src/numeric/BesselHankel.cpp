#include "numeric/BesselHankel.h"

#include <cmath>

#include "numeric/QuadPhase.h"

namespace quorvix::numeric {

namespace {

template <typename T>
struct Sums {
    T p = 1, q = 0;
    bool converged = false;
};

// P = sum (-1)^k a_2k / x^2k and Q = sum (-1)^k a_2k+1 / x^2k+1, with
// a_k = (mu - 1)(mu - 9)...(mu - (2k-1)^2) / (k! 8^k), until the terms fall
// below `eps` or start to grow.
template <typename T>
Sums<T> hankelSums(T mu, T x, double eps) {
    constexpr int kMaxTerms = 200;
    Sums<T> s;
    T term = 1;
    T previous = 1e300;
    for (int k = 1; k <= kMaxTerms; ++k) {
        const T odd = 2 * k - 1;
        term *= (mu - odd * odd) / (k * 8 * x);
        const T size = term < 0 ? -term : term;
        if (size < eps) {
            s.converged = true;
            return s;
        }
        if (size > previous) return s;
        previous = size;
        const T signedTerm = ((k / 2) % 2 == 0) ? term : -term;
        (k % 2 == 0 ? s.p : s.q) += signedTerm;
    }
    return s;
}

}  // namespace

bool besselHankel(double nu, double x, HankelValues& out) {
    const Sums<double> s = hankelSums<double>(4.0 * nu * nu, x, 1e-17);
    if (!s.converged) return false;
    const quad order = (static_cast<quad>(nu) / 2 + 0.25) * 2 * quadHalfPi();
    CosSin w = cosSinOfSum(x, static_cast<quad>(std::atan2(s.q, s.p)) - order);
    double r = std::hypot(s.p, s.q);
    // Near a zero the phase must be right to far below double precision:
    // the sums again in quadruple precision, where they reach it.
    if (std::fabs(w.c) < 1e-2 || std::fabs(w.s) < 1e-2) {
        const quad nq = nu;
        const Sums<quad> sq = hankelSums<quad>(4 * nq * nq, static_cast<quad>(x), 1e-33);
        if (sq.converged) {
            w = cosSinOfSum(x, atan2q(sq.q, sq.p) - order);
            r = static_cast<double>(hypotq(sq.p, sq.q));
        }
    }
    const double amp = std::sqrt(2.0 / M_PI) / std::sqrt(x) * r;
    out = {amp * w.c, amp * w.s};
    return true;
}

bool besselHankelQuad(double nu, double x, QuadBesselValues& out) {
    const quad nq = nu;
    const quad xq = x;
    const Sums<quad> s = hankelSums<quad>(4 * nq * nq, xq, 1e-33);
    if (!s.converged) return false;
    // x is exact, so chi carries only the rounding of a quadruple subtraction.
    const quad chi = xq - (nq / 2 + static_cast<quad>(0.25)) * 2 * quadHalfPi();
    const quad c = cosq(chi);
    const quad sn = sinq(chi);
    const quad amp = sqrtq(1 / (quadHalfPi() * xq));  // sqrt(2 / (pi x))
    out = {amp * (s.p * c - s.q * sn), amp * (s.p * sn + s.q * c)};
    return true;
}

}  // namespace quorvix::numeric
