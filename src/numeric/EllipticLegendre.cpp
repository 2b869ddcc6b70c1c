#include "numeric/EllipticLegendre.h"

#include <cmath>

#include "numeric/CarlsonIntegrals.h"

namespace quorvix::numeric {
namespace {

struct Angle {
    double s;   // sin(phi)
    double cc;  // cos(phi)^2
    double q;   // 1 - (k sin(phi))^2, as a product to keep accuracy
};

Angle angleTerms(double phi, double k) {
    const double s = std::sin(phi);
    const double c = std::cos(phi);
    return {s, c * c, (1.0 - s * k) * (1.0 + s * k)};
}

}  // namespace

double legendref(double phi, double k) {
    const Angle a = angleTerms(phi, k);
    return a.s * rf(a.cc, a.q, 1.0);
}

double legendree(double phi, double k) {
    const Angle a = angleTerms(phi, k);
    const double sk = a.s * k;
    return a.s * (rf(a.cc, a.q, 1.0) - sk * sk * rd(a.cc, a.q, 1.0) / 3.0);
}

double legendrepi(double phi, double n, double k) {
    const Angle a = angleTerms(phi, k);
    const double en = n * a.s * a.s;
    return a.s * (rf(a.cc, a.q, 1.0) - en * rj(a.cc, a.q, 1.0, 1.0 + en) / 3.0);
}

}  // namespace quorvix::numeric
