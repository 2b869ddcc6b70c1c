#pragma once
// Numerical derivatives by Ridders' method: central differences at
// shrinking steps, extrapolated to step zero in a Neville tableau.

#include "numeric/SolverCallback.h"

namespace quorvix::numeric {

// The derivative of f at x, starting with step h and dividing the step by
// 1.4 up to nine times. Returns the best estimate and its error estimate in
// err. h = 0 reports "h must be nonzero in dfridr."; a failing sample
// reports "Can't evaluate function"; both return 0.
double dfridr(const SolverCallback& f, double x, double h, double& err);

// The tableau of dfridr on its own: false, without reporting anything, when
// a sample fails; else the estimate in
// ans and its error in err. The tableau may stop early once it has
// minSteps steps (dfridr: 2; a later first stop gives the error estimate an
// extrapolated entry to compare with), and stops as soon as err is within
// settled times |ans| (dfridr: 0, never).
bool RiddersTableau(const SolverCallback& f, double x, double h, double& ans, double& err, int minSteps,
                    double settled);

}  // namespace quorvix::numeric
