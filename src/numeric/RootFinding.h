#pragma once
// One root of a function in a bracketing interval by Brent's method
// (inverse quadratic interpolation, secant steps and bisection).

#include "numeric/SolverCallback.h"

namespace quorvix::numeric {

// A root of f in [x1, x2] to the absolute tolerance tol (see
// SolverTolerance). f(x1) and f(x2) must not have the same strict sign;
// a zero at either end is returned exactly. Failures, each returning 0:
// "Root must be bracketed in zbrent", "Maximum number of iterations
// exceeded in zbrent" (maxIterations new points), "Can't evaluate function", and
// "Pole, not a root, in zbrent" when f at the point found is larger than at
// both ends (a sign change across a pole).
// `failed`, when given, is set to whether the search failed.
// maxIterations is the limit of new points (100 as the method is usually
// run; more for a tolerance tighter than the one asked).
inline constexpr int kBrentIterations = 100;
double zbrent(const SolverCallback& f, double x1, double x2, double tol, bool* failed = nullptr,
              int maxIterations = kBrentIterations);

}  // namespace quorvix::numeric
