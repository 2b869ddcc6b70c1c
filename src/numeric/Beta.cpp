#include "numeric/Beta.h"

#include <cerrno>
#include <cmath>
#include <utility>

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/cos_pi.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/math/special_functions/sin_pi.hpp>

#include "numeric/BoostPolicy.h"
#include "numeric/CompensatedSum.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

constexpr double kPi = 3.141592653589793;

// sin(pi x) and cos(pi x) for any double. fmod by the period is exact;
// Boost's own reduction converts x to int, which fails beyond 2^31.
double SinPi(double x) { return boost::math::sin_pi(std::fmod(x, 2.0), kErrnoPolicy); }
double CosPi(double x) { return boost::math::cos_pi(std::fmod(x, 2.0), kErrnoPolicy); }

bool IsPoleOfGamma(double x) { return x <= 0.0 && x == std::floor(x); }

}  // namespace

// Arguments that are not both positive are reflected (Γ(x) Γ(1 - x) =
// pi / sin(pi x)) until only a beta function of positive arguments is left:
//   z < 0 < w, z + w > 0:  B(z, w) = pi / (sin(pi z) w B(z + w, 1 - z))
//   z < 0 < w, z + w < 0:  B(z, w) = sin(pi (z + w)) / sin(pi z) B(w, 1 - z - w)
//   z, w < 0:              B(z, w) = pi sin(pi (z + w)) /
//                                    (sin(pi z) sin(pi w) (1 - z - w) B(1 - z, 1 - w))
// z + w is carried as an exact sum of two doubles, so that a sine near one
// of its zeros and 1 - z - w keep their digits however large z is. (Sums of
// ln|Γ| lose about one digit per power of ten of |z|.)
double betafn(double z, double w) {
    if (z > 0.0 && w > 0.0) return boost::math::beta(z, w, kErrnoPolicy);
    if (IsPoleOfGamma(z) || IsPoleOfGamma(w)) return std::nan("");
    if (z > w) std::swap(z, w);  // z < 0 from here on
    const auto [s, e] = TwoSum(z, w);  // z + w = s + e exactly
    if (e == 0.0 && IsPoleOfGamma(s)) return 0.0;     // Γ(z + w) at a pole
    const double sinSum = SinPi(s) + kPi * CosPi(s) * e;
    const double oneMinusSum = (1.0 - s) - e;
    double result = 0.0;
    if (w > 0.0 && s > 0.0)
        result = kPi / (SinPi(z) * w * boost::math::beta(s, 1.0 - z, kErrnoPolicy));
    else if (w > 0.0)
        result = sinSum / SinPi(z) * boost::math::beta(w, oneMinusSum, kErrnoPolicy);
    else
        result = kPi * sinSum /
                 (SinPi(z) * SinPi(w) * oneMinusSum *
                  boost::math::beta(1.0 - z, 1.0 - w, kErrnoPolicy));
    if (std::isinf(result)) errno = ERANGE;
    return result == 0.0 ? 0.0 : result;  // an underflow shows as 0, not -0
}

double betai(double a, double b, double x) {
    if (!(x >= 0.0 && x <= 1.0)) {
        numerror("Bad x in routine betai");
        return 0.0;
    }
    return boost::math::ibeta(a, b, x, kErrnoPolicy);
}

}  // namespace quorvix::numeric
