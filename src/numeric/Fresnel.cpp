#include "numeric/Fresnel.h"

#include <cmath>
#include <complex>

#include <boost/math/special_functions/cos_pi.hpp>
#include <boost/math/special_functions/sin_pi.hpp>

#include "numeric/BoostPolicy.h"
#include "numeric/FresnelContinuedFraction.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {
namespace {

using fresnelcisi::kEps;
using fresnelcisi::kFpMin;
using fresnelcisi::kMaxIterations;
constexpr double kSeriesUpTo = 1.5;
constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;

// exp(i pi x^2 / 2). x^2 = hi + lo exactly; both parts are reduced modulo 4
// (the period of the phase in x^2) before anything is rounded, so the phase
// keeps its digits however large x is. For x beyond 2^26, lo itself can be
// far above 4. The argument of cos_pi and sin_pi must stay small: Boost
// converts it to int on the way.
std::complex<double> HalfPiSquarePhase(double x) {
    const double hi = x * x;
    const double lo = std::fma(x, x, -hi);
    double phase = std::fmod(std::fmod(hi, 4.0) + std::fmod(lo, 4.0), 4.0);
    if (phase < 0.0) phase += 4.0;
    const double half = 0.5 * phase;  // in [0, 2]
    return {boost::math::cos_pi(half, kErrnoPolicy), boost::math::sin_pi(half, kErrnoPolicy)};
}

}  // namespace

FresnelValues frenel(double x) {
    using Complex = std::complex<double>;
    FresnelValues out;
    const double ax = std::fabs(x);
    if (ax < std::sqrt(kFpMin)) {
        // S = pi x^3 / 6 and C = x to double precision.
        out.s = kPi / 6.0 * ax * ax * ax;
        out.c = ax;
    } else if (ax <= kSeriesUpTo) {
        // Alternating series; odd terms feed S, even terms C.
        const double fact = kHalfPi * ax * ax;
        double sum = 0.0, sums = 0.0, sumc = ax;
        double sign = 1.0, term = ax;
        double n = 3.0;
        bool odd = true;
        int k = 1;
        for (; k <= kMaxIterations; ++k) {
            term *= fact / k;
            sum += sign * term / n;
            const double test = std::fabs(sum) * kEps;
            if (odd) {
                sign = -sign;
                sums = sum;
                sum = sumc;
            } else {
                sumc = sum;
                sum = sums;
            }
            if (term < test) break;
            odd = !odd;
            n += 2.0;
        }
        if (k > kMaxIterations) numerror("series failed in frenel");
        out.s = sums;
        out.c = sumc;
    } else {
        const double pix2 = kPi * ax * ax;
        if (std::isinf(pix2)) {
            // Beyond about 7.5e153 both integrals equal their limit 1/2 to
            // double precision (the oscillating part is below 1/(pi x)).
            out.s = out.c = std::copysign(0.5, x);
            return out;
        }
        Complex h;
        const bool converged = fresnelcisi::complexLentz(Complex(1.0, -pix2), [](int k, Complex& b) {
            const double n = 2.0 * k - 3.0;  // 1, 3, 5, ...
            b += 4.0;
            return -n * (n + 1.0);
        }, h);
        if (!converged) numerror("cf failed in frenel");
        h *= Complex(ax, -ax);
        const Complex cs = Complex(0.5, 0.5) * (1.0 - HalfPiSquarePhase(ax) * h);
        out.c = cs.real();
        out.s = cs.imag();
    }
    if (x < 0.0) {
        out.c = -out.c;
        out.s = -out.s;
    }
    return out;
}

}  // namespace quorvix::numeric
