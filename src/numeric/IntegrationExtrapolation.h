#pragma once
// Polynomial interpolation by Neville's algorithm; Romberg integration uses
// it to extrapolate its trapezoidal stages to step size zero.

namespace quorvix::numeric {

// Interpolates the n points (xa[1..n], ya[1..n]) at x. Returns the value in
// y and an error estimate in dy. The arrays are indexed from 1, as the
// Romberg tables are (xa[0] and ya[0] are never read). Two equal abscissae
// report "Error in routine polint" and leave y at its partial value.
void polint(const double xa[], const double ya[], int n, double x, double& y, double& dy);

}  // namespace quorvix::numeric
