#pragma once
// Jacobian elliptic functions sn, cn, dn by the arithmetic-geometric mean
// (descending Landen transformation).

namespace quorvix::numeric {

struct JacobiValues {
    double sn = 0.0, cn = 0.0, dn = 0.0;
};

// mc is the complementary parameter 1 - k^2: mc = 0 gives the hyperbolic
// limit (sn = tanh u), mc = 1 the circular one (sn = sin u). A negative mc
// (k^2 > 1) goes through the reciprocal-modulus transformation. The AGM
// stops when successive means agree to 3e-4, which gives results good to
// about 1e-7. No input fails; non-finite input gives non-finite output.
JacobiValues jacobielliptic(double u, double mc);

}  // namespace quorvix::numeric
