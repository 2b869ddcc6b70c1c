#include "numeric/BesselSpherical.h"

#include <boost/math/special_functions/bessel.hpp>
#include <cmath>
#include <limits>

#include "numeric/BesselAiryZeros.h"
#include "numeric/BesselHankel.h"
#include "numeric/BesselLargeOrder.h"
#include "numeric/BesselQuad.h"
#include "numeric/BoostPolicy.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

// Orders 0 and 1 in closed form; near a zero of j1 or y1, the expansion.
SphericalBesselValues lowOrder(int n, double x) {
    const double s = std::sin(x), c = std::cos(x);
    if (n == 0) return {s / x, -c / x};
    SphericalBesselValues v{(s / x - c) / x, -(c / x + s) / x};
    const ZeroOde ode{false, 2.0, 2.0};
    // j1 = x/3 - x^3/30 + ...: the closed form cancels for small x.
    if (x < 0.5) v.j = boost::math::sph_bessel(1, x, kErrnoPolicy);
    double z = 0.0;
    if (valueNearZero(zeros::kSphJ1Zeros, ode, x, z)) v.j = z;
    if (valueNearZero(zeros::kSphY1Zeros, ode, x, z)) v.y = z;
    return v;
}

// j_n by upward recurrence from j0 and j1 (stable for x > n), y_n likewise
// (stable everywhere), in long double.
SphericalBesselValues upward(int n, double x, bool withJ) {
    using ld = long double;
    const ld lx = x, s = std::sin(lx), c = std::cos(lx);
    ld j0 = s / lx, j1 = (s / lx - c) / lx;
    ld y0 = -c / lx, y1 = -(c / lx + s) / lx;
    for (int k = 1; k < n; ++k) {
        const ld f = (2 * k + 1) / lx;
        const ld j2 = f * j1 - j0, y2 = f * y1 - y0;
        j0 = j1, j1 = j2, y0 = y1, y1 = y2;
        if (std::isinf(y1)) break;
    }
    return {withJ ? static_cast<double>(j1) : 0.0, static_cast<double>(y1)};
}

SphericalBesselValues positive(int n, double x) {
    const double nu = n + 0.5;
    HankelValues h;
    if (x >= kHankelFrom && besselHankel(nu, x, h)) {
        const double f = std::sqrt(M_PI / (2.0 * x));
        return {f * h.j, f * h.y};
    }
    if (n <= 1) return lowOrder(n, x);
    if (nu >= kLargeOrder) {
        const BesselPair p = besselJYLargeOrder(nu, x);
        const double f = std::sqrt(M_PI / (2.0 * x));
        return {f * p.j, f * p.y};
    }
    SphericalBesselValues v = upward(n, x, x > n);
    if (x <= n) v.j = boost::math::sph_bessel(n, x, kErrnoPolicy);
    // Next to a zero (they lie beyond x = n, in an envelope near 1/x) long
    // double keeps only absolute accuracy: recompute in quadruple precision.
    const double small = 0.1 / x;
    if (x > n && (std::fabs(v.j) < small || std::fabs(v.y) < small)) {
        const BesselPair q = sphericalBesselQuad(n, x);
        v = {q.j, q.y};
    }
    return v;
}

}  // namespace

SphericalBesselValues sphbes(int n, double x) {
    if (n < 0) {
        numerror("bad arguments in sphbes");
        return {};
    }
    if (x == 0.0) return {n == 0 ? 1.0 : 0.0, -std::numeric_limits<double>::infinity()};
    if (x > 0.0) return positive(n, x);
    SphericalBesselValues v = positive(n, -x);
    if (n & 1) v.j = -v.j;
    else v.y = -v.y;
    return v;
}

}  // namespace quorvix::numeric
