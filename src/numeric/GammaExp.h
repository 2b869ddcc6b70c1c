#pragma once
// The exponential as the gamma-family routines use it.

#include <cerrno>
#include <cfloat>
#include <cmath>

namespace quorvix::numeric {

// e^v, where an underflow to zero or to a subnormal number is a correct
// answer (ERFC(30) is 0 to double precision), not a range error: the
// indicator keeps the value it had (so an earlier failure is not replaced
// by ERANGE, and a tiny result is not reported as "Result too large").
// Overflow still sets ERANGE as the maths library does.
inline double ExpWithoutUnderflowError(double v) {
    const int saved = errno;
    const double r = std::exp(v);
    if (errno == ERANGE && std::fabs(r) < DBL_MIN) errno = saved;
    return r;
}

}  // namespace quorvix::numeric
