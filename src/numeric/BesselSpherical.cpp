#include "numeric/BesselSpherical.h"

#include <cmath>
#include <limits>

#include "numeric/BesselFractional.h"
#include "numeric/BesselLeadingTerm.h"
#include "numeric/BesselOrderLimit.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {
namespace {

constexpr double kRootHalfPi = 1.2533141;  // sqrt(pi/2) to eight digits

}  // namespace

SphericalBesselValues sphbes(int n, double x) {
    SphericalBesselValues out;
    if (n < 0 || !(x > 0.0)) {
        numerror("bad arguments in sphbes");
        return out;
    }
    if (x < kLeadingTermBelow) {
        // The general routine's series cancels catastrophically for such x
        // (j_0(1e-25) would come out 15% high). Here the leading terms
        // x^n / (2n+1)!! and -(2n-1)!! / x^(n+1) are exact to double
        // precision; the products under- and overflow gracefully, which
        // happens within a few dozen factors.
        double j = 1.0, y = -1.0 / x;
        for (int k = 1; k <= n && (j != 0.0 || std::isfinite(y)); ++k) {
            j *= x / (2.0 * k + 1.0);
            y *= (2.0 * k - 1.0) / x;
        }
        out.j = j;
        out.y = y;
        return out;
    }
    const double order = n + 0.5;
    const double factor = kRootHalfPi / std::sqrt(x);
    if (besselJUnderflows(order, x, std::log(factor))) {
        // j_n is below the smallest double. By the Wronskian
        // j_n y_n ~ -1/(2 x (n + 1/2)), y_n is then beyond the largest double
        // (certainly so while x n < 1e15; beyond that it is out of reach and
        // reported as not finite all the same). The general routine would
        // overflow on the way (NaN for both) or, for huge orders, run too
        // long.
        out.j = 0.0;
        out.y = -std::numeric_limits<double>::infinity();
        return out;
    }
    const BesselJYValues v = bessjy(x, order);
    out.j = factor * v.j;
    out.y = factor * v.y;
    return out;
}

}  // namespace quorvix::numeric
