#pragma once
// Definite integrals that are hard to fool: globally adaptive Gauss-Kronrod
// quadrature (31 points, bisecting the piece with the largest error), and
// tanh-sinh quadrature for what that cannot settle, chiefly integrable
// singularities at the ends. Neither samples f at a or b.

#include "numeric/SolverCallback.h"

namespace quorvix::numeric {

// Most samples one integral may take (each method separately).
inline constexpr long kMaxIntegralSamples = 1L << 19;

// The integral of f over [a, b] to the relative tolerance tol, worked to
// AnswerTolerance(tol) (three digits more, 1e-15 at the finest); an answer
// short of that is cut to the digits its error vouches for. An integral
// that vanishes to within the rounding of its integrand (the sine over a
// whole period) is 0.
// Failures report through numerror and return 0: a failing sample ("Can't
// evaluate function", which also ends the integral when f reports a
// cancellation), and no estimate within tol after kMaxIntegralSamples.
double AdaptiveIntegral(const SolverCallback& f, double a, double b, double tol);

}  // namespace quorvix::numeric
