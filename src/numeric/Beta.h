#pragma once
// The beta function and the regularised incomplete beta function.

namespace quorvix::numeric {

// B(z, w) = Γ(z) Γ(w) / Γ(z + w). For positive z and w by Boost.Math; for
// others by reflection down to a beta function of positive arguments
// (B(-0.5, 2) = -4). At a pole of Γ(z) or Γ(w) the result is not a number
// (EDOM); at a pole of Γ(z + w) alone it is 0.
double betafn(double z, double w);

// I_x(a, b). x outside [0, 1] reports "Bad x in routine betai"; a or b not
// positive is a domain error (EDOM) as well.
double betai(double a, double b, double x);

}  // namespace quorvix::numeric
