#pragma once
// The beta function and the regularised incomplete beta function.

namespace quorvix::numeric {

// B(z, w) = Γ(z) Γ(w) / Γ(z + w), from gammaln.
double betafn(double z, double w);

// I_x(a, b). x outside [0, 1] reports "Bad x in routine betai"; a and b are
// not tested (where they make no sense the result is not finite).
double betai(double a, double b, double x);

// The continued fraction behind betai (modified Lentz); at most 100 steps,
// else "a or b too big, or MAXIT too small in betacf" and 0.
double betacf(double a, double b, double x);

}  // namespace quorvix::numeric
