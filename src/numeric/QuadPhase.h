#pragma once
// Phases of the oscillating Bessel and Airy forms in quadruple precision.
// For large arguments the phase (x itself, or (2/3) x^(3/2), or the Debye
// phase of a huge order) is far above 1; rounded to double it would carry
// an absolute error of its size times 1e-16 and the value no correct digit.
// It is formed in __float128 and reduced by multiples of pi/2 there, so
// that only a small remainder goes back to double, and a value near a zero
// keeps its relative accuracy.

#include <quadmath.h>

namespace quorvix::numeric {

using quad = __float128;

// pi/2 as a sum of three doubles, to quadruple precision.
inline quad quadHalfPi() {
    return static_cast<quad>(1.5707963267948966) + static_cast<quad>(6.123233995736766e-17) +
           static_cast<quad>(-1.4973849048591698e-33);
}

struct CosSin {
    double c = 1.0;
    double s = 0.0;
};

// cos and sin of theta + phi, theta in quadruple precision, phi a double.
CosSin cosSinOfPhase(quad theta, double phi = 0.0);

// cos and sin of x + shift for a double x of any size: beyond 2^52, where
// x itself holds no fraction for the quadruple reduction to keep, through
// the library's exactly reduced cos(x) and sin(x).
CosSin cosSinOfSum(double x, quad shift);

// exp(v) for v in quadruple precision, with the part of v below double
// precision applied as a factor (1 + lo): correct to double precision where
// exp(double(v)) alone would be off by |v| ulps. Overflows and underflows
// as exp does.
double expOfQuad(quad v);

}  // namespace quorvix::numeric
