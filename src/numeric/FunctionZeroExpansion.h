#pragma once
// Values near a zero of a Bessel or Airy function with relative accuracy.
// The general routines there have only absolute accuracy: their error is a
// few units of the function's size, not of its (tiny) value. Here the value
// is the Taylor series about the zero z, whose coefficients follow from the
// differential equation, the derivative at z, and z stored as hi + lo, so
// that x - z is found exactly.

#include <cstddef>
#include <span>

namespace quorvix::numeric {

struct FunctionZero {
    double hi = 0.0;
    double lo = 0.0;          // z = hi + lo to about 32 digits
    double derivative = 0.0;  // f'(z)
};

// Ai, Ai', Bi and Bi' at one point.
struct AiryPoint {
    double ai = 0.0, aiPrime = 0.0, bi = 0.0, biPrime = 0.0;
};

// The equation the function solves.
struct ZeroOde {
    // x^2 y'' + p x y' + (x^2 - q) y = 0 (Bessel: p = 1, q = nu^2;
    // spherical Bessel: p = 2, q = n (n + 1)); or, when airy is set,
    // y'' = x y.
    bool airy = false;
    double p = 1.0;
    double q = 0.0;
};

// The Taylor series of the solution with y(z) = value and y'(z) = d, at
// z + t (|t| well below 1).
double odeTaylor(const ZeroOde& ode, double z, double value, double d, double t);

// Within this distance of a stored zero the series is used.
inline constexpr double kZeroExpansionRadius = 0.3;

// The series value at x when x lies within kZeroExpansionRadius of a zero
// of the table; false otherwise. The zeros are in increasing |z|.
bool valueNearZero(std::span<const FunctionZero> zeros, const ZeroOde& ode, double x,
                   double& value);

}  // namespace quorvix::numeric
