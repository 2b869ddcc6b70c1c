#pragma once
// Bessel functions of large order nu (hundreds up to 2^31) by the Debye
// expansions in nu (up to the 1/nu^14 terms) away from the turning point
// x = nu, and by integrating the Bessel equation from the edge of their
// range across it. Phases and exponents of size nu are formed in quadruple
// precision (QuadPhase.h). A call costs microseconds whatever the order.

namespace quorvix::numeric {

// Orders from which these routines are used.
inline constexpr double kLargeOrder = 1000.0;

struct BesselPair {
    double j = 0.0;  // J_nu(x) (or I_nu)
    double y = 0.0;  // Y_nu(x) (or K_nu)
};

// J_nu(x) and Y_nu(x) for nu >= kLargeOrder and x > 0. Values beyond the
// double range come out as 0 or -infinity.
BesselPair besselJYLargeOrder(double nu, double x);

// I_nu(x) and K_nu(x) for nu >= kLargeOrder and x > 0.
BesselPair besselIKLargeOrder(double nu, double x);

}  // namespace quorvix::numeric
