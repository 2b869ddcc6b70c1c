#include "numeric/FunctionZeroExpansion.h"

#include <cmath>

namespace quorvix::numeric {

namespace {
constexpr int kMaxTerms = 60;
}  // namespace

double odeTaylor(const ZeroOde& ode, double z, double value, double d, double t) {
    if (t == 0.0) return value;
    double a[kMaxTerms + 1] = {value, d};
    double sum = value + d * t;
    double tk = t;
    const double z2 = z * z;
    for (int k = 0; k + 2 <= kMaxTerms; ++k) {
        const double am1 = k >= 1 ? a[k - 1] : 0.0;
        double next;
        if (ode.airy) {
            // (k + 2)(k + 1) a_{k+2} = z a_k + a_{k-1}
            next = (z * a[k] + am1) / ((k + 2.0) * (k + 1.0));
        } else {
            const double am2 = k >= 2 ? a[k - 2] : 0.0;
            next = -(z * (k + 1.0) * (2.0 * k + ode.p) * a[k + 1] +
                     (k * (k - 1.0) + ode.p * k + z2 - ode.q) * a[k] + 2.0 * z * am1 + am2) /
                   (z2 * (k + 1.0) * (k + 2.0));
        }
        a[k + 2] = next;
        tk *= t;
        const double term = next * tk;
        sum += term;
        if (k > 4 && std::fabs(term) < 1e-18 * std::fabs(sum) &&
            std::fabs(a[k + 1] * tk / t) < 1e-17 * std::fabs(sum))
            break;
    }
    return sum;
}

bool valueNearZero(std::span<const FunctionZero> zeros, const ZeroOde& ode, double x,
                   double& value) {
    for (const FunctionZero& z : zeros) {
        const double t0 = x - z.hi;  // exact this close to z (Sterbenz)
        if (std::fabs(t0) >= kZeroExpansionRadius) continue;
        value = odeTaylor(ode, z.hi, 0.0, z.derivative, t0 - z.lo);
        return true;
    }
    return false;
}

}  // namespace quorvix::numeric
