#include "numeric/QuadPhase.h"

#include <cmath>

namespace quorvix::numeric {

CosSin cosSinOfPhase(quad theta, double phi) {
    const quad t = theta + static_cast<quad>(phi);
    const quad halfPi = quadHalfPi();
    const quad k = roundq(t / halfPi);
    const double d = static_cast<double>(t - k * halfPi);
    const double c = std::cos(d);
    const double s = std::sin(d);
    switch (static_cast<int>(fmodq(k, 4)) & 3) {
        case 0: return {c, s};
        case 1: return {-s, c};
        case 2: return {-c, -s};
        default: return {s, -c};
    }
}

CosSin cosSinOfSum(double x, quad shift) {
    if (std::fabs(x) < 0x1p52) return cosSinOfPhase(static_cast<quad>(x) + shift);
    const CosSin s = cosSinOfPhase(shift);
    const double c = std::cos(x), n = std::sin(x);
    return {c * s.c - n * s.s, n * s.c + c * s.s};
}

double expOfQuad(quad v) {
    const double hi = static_cast<double>(v);
    const double lo = static_cast<double>(v - static_cast<quad>(hi));
    return std::exp(hi) * (1.0 + lo);
}

}  // namespace quorvix::numeric
