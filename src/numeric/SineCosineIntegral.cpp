#include "numeric/SineCosineIntegral.h"

#include <cmath>
#include <complex>

#include "numeric/FresnelContinuedFraction.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {
namespace {

using fresnelcisi::kEps;
using fresnelcisi::kFpMin;
using fresnelcisi::kMaxIterations;
constexpr double kSeriesUpTo = 2.0;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kEuler = 0.5772156649015329;

}  // namespace

CiSiValues cisi(double x) {
    using Complex = std::complex<double>;
    CiSiValues out;
    const double t = std::fabs(x);
    if (t == 0.0) {
        out.si = 0.0;
        out.ci = -1.0 / kFpMin;
        return out;
    }
    if (t > kSeriesUpTo) {
        Complex h;
        const bool converged = fresnelcisi::complexLentz(Complex(1.0, t), [](int k, Complex& b) {
            b += 2.0;
            return -static_cast<double>(k - 1) * (k - 1);
        }, h);
        if (!converged) numerror("cf failed in cisi");
        h *= Complex(std::cos(t), -std::sin(t));
        out.ci = -h.real();
        out.si = kHalfPi + h.imag();
    } else {
        double sums, sumc;
        if (t < std::sqrt(kFpMin)) {
            sumc = 0.0;
            sums = t;
        } else {
            // Odd powers of t feed Si, even powers Ci.
            double sum = 0.0;
            sums = sumc = 0.0;
            double sign = 1.0, fact = 1.0;
            bool odd = true;
            int k = 1;
            for (; k <= kMaxIterations; ++k) {
                fact *= t / k;
                const double term = fact / k;
                sum += sign * term;
                const double err = term / std::fabs(sum);
                if (odd) {
                    sign = -sign;
                    sums = sum;
                    sum = sumc;
                } else {
                    sumc = sum;
                    sum = sums;
                }
                if (err < kEps) break;
                odd = !odd;
            }
            if (k > kMaxIterations) numerror("maxits exceeded in cisi");
        }
        out.si = sums;
        out.ci = sumc + std::log(t) + kEuler;
    }
    if (x < 0.0) out.si = -out.si;
    return out;
}

}  // namespace quorvix::numeric
