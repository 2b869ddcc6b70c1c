#pragma once
// Modified Bessel functions I_n(x) and K_n(x) for integer orders n >= 0:
// Boost.Math below order 1000 (for orders 2 to 49, the power series of I
// up to |x| = 30 and the upward recurrence of K instead), the Debye
// expansions from there up to 2^31.

namespace quorvix::numeric {

// I_n(x). n < 0 fails with "Index n less than 0 in bessi". I_n(-x) =
// (-1)^n I_n(x). Values beyond the double range are infinite.
double bessi(int n, double x);

// K_n(x). n < 0 fails with "Index n less than 0 in bessk". Not finite for
// x <= 0.
double bessk(int n, double x);

}  // namespace quorvix::numeric
