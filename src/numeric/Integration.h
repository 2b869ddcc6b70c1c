#pragma once
// Definite integrals by Romberg's method: trapezoidal stages of doubling
// density, extrapolated to step size zero.

#include "numeric/SolverCallback.h"

namespace quorvix::numeric {

// Stage n (n = 1, 2, 3, ...) of the extended trapezoidal rule for f over
// [a, b]. Stage 1 sets `estimate` from f(a) and f(b); each later stage adds
// 2^(n-2) new points and refines it, so one integral must call the stages in
// order with the same `estimate`. Keeping the estimate with the caller lets
// an integral be computed inside another integral's integrand.
// Returns the new estimate. If f fails, reports "Can't evaluate function",
// leaves `estimate` unchanged and returns 0.
double trapstage(const SolverCallback& f, double a, double b, int n, double& estimate);

// The integral of f over [a, b] by Romberg integration with relative
// tolerance tol (see SolverTolerance). At most 20 stages (2^19 + 1 samples);
// without convergence it reports "Too many steps in routine qromb" and
// returns 0. A failing sample fails the integral at once (returns 0).
double qromb(const SolverCallback& f, double a, double b, double tol);

}  // namespace quorvix::numeric
