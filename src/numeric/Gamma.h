#pragma once
// The logarithm of the gamma function and what is built on it directly:
// log-factorials (binomial coefficients: Binomial.h).

namespace quorvix::numeric {

// ln|Γ(x)| to within a few units in the last place (Boost.Math). At 0 and
// the negative integers Γ has a pole: the result is not a number and errno
// is EDOM.
double gammaln(double x);
// The same, with the sign of Γ(x) (+1 or -1) in *sign.
double gammaln(double x, int* sign);

// ln(n!). n < 0 reports "Negative factorial in routine factln" and returns
// 0; n = 0 and 1 give 0. Values for n up to 100 are cached for the life of
// the program; larger n are computed as gammaln(n + 1) each time.
double factln(long long n);

}  // namespace quorvix::numeric
