#include "numeric/GammaIncomplete.h"

#include <cmath>

#include <boost/math/special_functions/gamma.hpp>

#include "numeric/BoostPolicy.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

bool InvalidArguments(double a, double x) { return x < 0.0 || a <= 0.0 || std::isnan(a) || std::isnan(x); }

}  // namespace

double gammp(double a, double x) {
    if (InvalidArguments(a, x)) {
        numerror("Invalid arguments in routine gammp");
        return 0.0;
    }
    return boost::math::gamma_p(a, x, kErrnoPolicy);
}

double gammq(double a, double x) {
    if (InvalidArguments(a, x)) {
        numerror("Invalid arguments in routine gammq");
        return 0.0;
    }
    return boost::math::gamma_q(a, x, kErrnoPolicy);
}

}  // namespace quorvix::numeric
