#pragma once
// The error function and its complement, from the incomplete gamma
// function: erf(x) = P(1/2, x²) for x >= 0.

namespace quorvix::numeric {

double erfn(double x);
double erfcn(double x);

}  // namespace quorvix::numeric
