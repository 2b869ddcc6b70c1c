#include "numeric/CarlsonIntegrals.h"

#include <cmath>

#include <boost/math/special_functions/ellint_rc.hpp>
#include <boost/math/special_functions/ellint_rd.hpp>
#include <boost/math/special_functions/ellint_rf.hpp>
#include <boost/math/special_functions/ellint_rj.hpp>

#include "numeric/BoostPolicy.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {
namespace {

// Boost passes NaN through without a domain error; this library reports it.
bool AnyNan(double a, double b, double c = 0.0, double d = 0.0) {
    if (!(std::isnan(a) || std::isnan(b) || std::isnan(c) || std::isnan(d))) return false;
    numerror("invalid arguments");
    return true;
}

}  // namespace

double rf(double x, double y, double z) {
    return AnyNan(x, y, z) ? NAN : boost::math::ellint_rf(x, y, z, kErrnoPolicy);
}

double rd(double x, double y, double z) {
    return AnyNan(x, y, z) ? NAN : boost::math::ellint_rd(x, y, z, kErrnoPolicy);
}

double rj(double x, double y, double z, double p) {
    return AnyNan(x, y, z, p) ? NAN : boost::math::ellint_rj(x, y, z, p, kErrnoPolicy);
}

double rc(double x, double y) { return AnyNan(x, y) ? NAN : boost::math::ellint_rc(x, y, kErrnoPolicy); }

}  // namespace quorvix::numeric
