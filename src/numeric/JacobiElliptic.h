#pragma once
// Jacobian elliptic functions sn, cn, dn.

namespace quorvix::numeric {

struct JacobiValues {
    double sn = 0.0, cn = 0.0, dn = 0.0;
};

// mc is the complementary parameter 1 - k^2: mc = 0 gives the hyperbolic
// limit (sn = tanh u), mc = 1 the circular one (sn = sin u). For 0 < mc <= 1
// the arithmetic-geometric mean starts from sqrt(mc) itself, so a small mc
// keeps its digits; a negative mc (k^2 > 1) goes through the
// reciprocal-modulus transformation and mc > 1 (k^2 < 0) through the
// imaginary-modulus one. Accurate to a few units in the last place times
// the functions' own sensitivity to u. No input fails; non-finite input
// gives non-finite output.
JacobiValues jacobielliptic(double u, double mc);

}  // namespace quorvix::numeric
