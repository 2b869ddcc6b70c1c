#pragma once
// What the Fresnel and the sine/cosine integrals share: their constants and
// the complex continued fraction that both evaluate for large arguments by
// the modified Lentz method.

#include <cmath>
#include <complex>

namespace quorvix::numeric::fresnelcisi {

// A factor within kEps of 1 leaves the fraction correct to the last place.
inline constexpr double kEps = 4.0e-16;
inline constexpr int kMaxIterations = 1000;
inline constexpr double kFpMin = 1.0e-37;  // its reciprocal starts the fraction

// h = 1/(b + a2/(b2 + a3/(b3 + ...))), where step(k, b) turns b into b_k and
// returns a_k for k = 2, 3, ... Stops when a factor is within kEps of 1;
// returns false when kMaxIterations pass first.
template <typename Step>
bool complexLentz(std::complex<double> b, Step step, std::complex<double>& h) {
    using Complex = std::complex<double>;
    Complex c(1.0 / kFpMin, 0.0);
    Complex d = 1.0 / b;
    h = d;
    for (int k = 2; k <= kMaxIterations; ++k) {
        const double a = step(k, b);
        d = 1.0 / (a * d + b);
        c = b + a / c;
        const Complex del = c * d;
        h *= del;
        if (std::fabs(del.real() - 1.0) + std::fabs(del.imag()) < kEps) return true;
    }
    return false;
}

}  // namespace quorvix::numeric::fresnelcisi
