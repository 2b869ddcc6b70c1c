#include "numeric/ErrorFunction.h"

#include <boost/math/special_functions/erf.hpp>

#include "numeric/BoostPolicy.h"

namespace quorvix::numeric {

double erfn(double x) { return boost::math::erf(x, kErrnoPolicy); }

double erfcn(double x) { return boost::math::erfc(x, kErrnoPolicy); }

}  // namespace quorvix::numeric
