#pragma once
// Derivatives on the function's own scale: Ridders' extrapolation started
// at a step of 0.1 max(|x|, 1) and restarted at ten times smaller steps
// while that improves its error estimate, or while a sample fails, is not
// finite, or shows a pole between x - h and x + h.

#include "numeric/SolverCallback.h"

namespace quorvix::numeric {

// f'(x), rounded to the last decimal digit its error estimate vouches for.
// Reports "Can't evaluate function" when f fails at x or at every step, and
// "No significant digits in ScaledDerivative" when even the best estimate
// has no digit worth showing; both return 0.
double ScaledDerivative(const SolverCallback& f, double x);

}  // namespace quorvix::numeric
