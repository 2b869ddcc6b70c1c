#pragma once
// Dawson's integral F(x) = exp(-x^2) int_0^x exp(t^2) dt to within a few
// units in the last place: its Maclaurin series for |x| < 0.2, Rybicki's
// sampling formula with step 0.2 (truncation error below 1e-26) in extended
// precision up to |x| = 50, the asymptotic series 1/(2x) (1 + 1/(2x^2) +
// 3/(2x^2)^2 + ...) above. It never fails.

namespace quorvix::numeric {

double dawsonfn(double x);

}  // namespace quorvix::numeric
