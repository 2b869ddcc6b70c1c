#pragma once
// Dawson's integral F(x) = exp(-x^2) int_0^x exp(t^2) dt: a short series
// for |x| < 0.2, Rybicki's sampling method with step 0.4 and six terms
// otherwise (good to about 2e-7). It never fails.

namespace quorvix::numeric {

double dawsonfn(double x);

}  // namespace quorvix::numeric
