#pragma once
// The logarithm of the gamma function and what is built on it directly:
// log-factorials (binomial coefficients: Binomial.h).

namespace quorvix::numeric {

// ln Γ(x) by Lanczos' approximation (relative error of Γ about 2e-10),
// meant for x > 0. There is no argument test: at 0 and the negative
// integers the result is infinite or not a number; other negative x give
// ln|Γ(x)| where the formula's logarithm is of a positive number, NaN
// elsewhere.
double gammaln(double x);

// ln(n!). n < 0 reports "Negative factorial in routine factln" and returns
// 0; n = 0 and 1 give 0. Values for n up to 100 are cached for the life of
// the program; larger n are computed as gammaln(n + 1) each time.
double factln(long long n);

}  // namespace quorvix::numeric
