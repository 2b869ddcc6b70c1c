#include "numeric/SineCosineIntegral.h"

#include <cmath>
#include <complex>

#include "numeric/FresnelContinuedFraction.h"
#include "numeric/NumericSupport.h"
#include "numeric/QuadPhase.h"

namespace quorvix::numeric {
namespace {

using fresnelcisi::kEps;
using fresnelcisi::kFpMin;
using fresnelcisi::kMaxIterations;
constexpr double kSeriesUpTo = 2.0;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kPi = 3.141592653589793;
constexpr double kEuler = 0.5772156649015329;

// The positive zeros of Ci below 200, each as hi + lo (generated): the
// first at 0.6165, zero n >= 1 within 0.1 of n pi.
constexpr double kCiZeros[][2] = {
#include "numeric/CosineIntegralZeros.inc"
};
constexpr int kCiZeroCount = static_cast<int>(sizeof kCiZeros / sizeof kCiZeros[0]);
// Within this distance of a zero the general methods keep only absolute
// accuracy; the expansion about the zero converges fast (|t| / z <= 0.09).
constexpr double kNearZero = 0.05;

// Ci(z + t) = integral from 0 to t of cos(z + s) / (z + s) ds for a zero z
// of Ci, from cos(z + s) / (z + s) = sum a_k s^k, where (z + s) times the
// series equals the series of cos(z + s): a_k = (c_k - a_(k-1)) / z.
double CiNearZero(double x, double zhi, double zlo) {
    const double t = (x - zhi) - zlo;  // x - zhi is exact this close
    const double cz = std::cos(zhi) - std::sin(zhi) * zlo;
    const double sz = std::sin(zhi) + std::cos(zhi) * zlo;
    const double taylor[4] = {cz, -sz, -cz, sz};  // derivatives of cos at z
    double sum = 0.0, a = 0.0, power = t, factorial = 1.0;
    for (int k = 0; k < 60; ++k) {
        if (k > 0) factorial *= k;
        a = (taylor[k % 4] / factorial - a) / zhi;
        const double term = a * power / (k + 1);
        sum += term;
        if (k > 3 && std::fabs(term) <= 1e-18 * std::fabs(sum)) break;
        power *= t;
    }
    return sum;
}

// The zero of Ci within kNearZero of t >= 0, or null.
const double* NearbyZero(double t) {
    const double n = std::nearbyint(t / kPi);
    if (!(n < kCiZeroCount)) return nullptr;
    const double* z = kCiZeros[static_cast<int>(n)];
    return std::fabs(t - z[0]) <= kNearZero ? z : nullptr;
}

// Beyond the table, Ci(t) = f(t) sin t - g(t) cos t with the auxiliary
// functions' asymptotic series f = sum (-1)^k (2k)! / t^(2k+1) and
// g = sum (-1)^k (2k+1)! / t^(2k+2), summed in quadruple precision with sin
// and cos of the exact t: next to a zero the two products cancel, and only
// extra digits in f, g, sin and cos leave the difference its own. From
// t = 200 on, the terms fall below 1e-36 of the sum long before they
// would grow again.
double CiAsymptotic(double td) {
    const quad t = td;
    quad f = 0, g = 0;
    quad a = 1 / t;  // (2k)! / t^(2k+1)
    const quad tiny = static_cast<quad>(1e-36);
    for (int k = 0; k < 200; ++k) {
        const quad b = a * (2 * k + 1) / t;  // (2k+1)! / t^(2k+2)
        const quad sign = (k & 1) ? -1 : 1;
        f += sign * a;
        g += sign * b;
        if (b < tiny * fabsq(f)) break;
        a = b * (2 * k + 2) / t;
    }
    return static_cast<double>(f * sinq(t) - g * cosq(t));
}

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
    if (const double* z = NearbyZero(t)) out.ci = CiNearZero(t, z[0], z[1]);
    // Past the table a value well inside its envelope 1/t lies next to a zero.
    else if (t > kPi * (kCiZeroCount - 1) && std::fabs(out.ci) < 0.1 / t)
        out.ci = CiAsymptotic(t);
    if (x < 0.0) out.si = -out.si;
    return out;
}

}  // namespace quorvix::numeric
