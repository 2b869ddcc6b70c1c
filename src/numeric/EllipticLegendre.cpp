#include "numeric/EllipticLegendre.h"

#include <cmath>

#include "numeric/CarlsonIntegrals.h"

namespace quorvix::numeric {
namespace {

constexpr double kPi = 3.141592653589793;

// phi = m pi + r with |r| <= pi/2. The integrand has period pi, so the
// integral is m times the complete one (2K for F) plus the part up to r.
// Both 1 - k^2 and 1 - (k sin r)^2 are formed as products, which keeps
// their digits when k sin r is near 1.
struct Amplitude {
    double periods;  // m
    double s;        // sin r
    double cc;       // cos(r)^2
    double q;        // 1 - (k sin r)^2
    double kc2;      // 1 - k^2
};

Amplitude reduce(double phi, double k) {
    const double m = std::nearbyint(phi / kPi);
    const double sinPhi = std::sin(phi);
    const double s = std::fmod(m, 2.0) == 0.0 ? sinPhi : -sinPhi;
    const double c = std::cos(phi);
    return {m, s, c * c, (1.0 - s * k) * (1.0 + s * k), (1.0 - k) * (1.0 + k)};
}

}  // namespace

double legendref(double phi, double k) {
    const Amplitude a = reduce(phi, k);
    const double part = a.s * rf(a.cc, a.q, 1.0);
    if (a.periods == 0.0) return part;
    return 2.0 * a.periods * rf(0.0, a.kc2, 1.0) + part;
}

double legendree(double phi, double k) {
    const Amplitude a = reduce(phi, k);
    const double sk = a.s * k;
    const double part = a.s * (rf(a.cc, a.q, 1.0) - sk * sk * rd(a.cc, a.q, 1.0) / 3.0);
    if (a.periods == 0.0) return part;
    const double complete = rf(0.0, a.kc2, 1.0) - k * k * rd(0.0, a.kc2, 1.0) / 3.0;
    return 2.0 * a.periods * complete + part;
}

double legendrepi(double phi, double n, double k) {
    const Amplitude a = reduce(phi, k);
    const double en = n * a.s * a.s;
    const double part = a.s * (rf(a.cc, a.q, 1.0) - en * rj(a.cc, a.q, 1.0, 1.0 + en) / 3.0);
    if (a.periods == 0.0) return part;
    const double complete = rf(0.0, a.kc2, 1.0) - n * rj(0.0, a.kc2, 1.0, 1.0 + n) / 3.0;
    return 2.0 * a.periods * complete + part;
}

}  // namespace quorvix::numeric
