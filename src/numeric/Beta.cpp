#include "numeric/Beta.h"

#include <cmath>

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>

#include "numeric/BoostPolicy.h"
#include "numeric/Gamma.h"
#include "numeric/GammaExp.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

double betafn(double z, double w) {
    if (z > 0.0 && w > 0.0) return boost::math::beta(z, w, kErrnoPolicy);
    // Γ(z + w) at a pole makes B zero; Γ(z) or Γ(w) at one makes it fail.
    int sz = 1, sw = 1, szw = 1;
    const double lz = gammaln(z, &sz);
    const double lw = gammaln(w, &sw);
    if (!std::isfinite(lz) || !std::isfinite(lw)) return std::nan("");
    const double sum = z + w;
    if (sum <= 0.0 && sum == std::floor(sum)) return 0.0;
    const double lzw = gammaln(sum, &szw);
    return sz * sw * szw * ExpWithoutUnderflowError(lz + lw - lzw);
}

double betai(double a, double b, double x) {
    if (!(x >= 0.0 && x <= 1.0)) {
        numerror("Bad x in routine betai");
        return 0.0;
    }
    return boost::math::ibeta(a, b, x, kErrnoPolicy);
}

}  // namespace quorvix::numeric
