#include "numeric/BesselSpherical.h"

#include <cmath>
#include <limits>

#include "numeric/BesselFractional.h"
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
    const double order = n + 0.5;
    const double orders = x < detail::kSeriesBelow ? std::floor(order + 0.5)
                                                   : std::floor(order - x + 1.5);
    if (orders > static_cast<double>(kMaxRecurrenceSteps) && besselJUnderflows(order, x)) {
        // J_{n+1/2} is below the smallest double; by the Wronskian
        // J_nu Y_nu ~ -1/(pi nu), Y_{n+1/2} is then beyond the largest.
        out.j = 0.0;
        out.y = -std::numeric_limits<double>::infinity();
        return out;
    }
    const BesselJYValues v = bessjy(x, order);
    const double factor = kRootHalfPi / std::sqrt(x);
    out.j = factor * v.j;
    out.y = factor * v.y;
    return out;
}

}  // namespace quorvix::numeric
