#pragma once
// The logarithm of the gamma function and what is built on it directly:
// log-factorials and binomial coefficients.

namespace quorvix::numeric {

// ln|Γ(x)| to within a few units in the last place (Boost.Math). At 0 and
// the negative integers Γ has a pole: the result is not a number and errno
// is EDOM.
double gammaln(double x);

// ln(n!). n < 0 reports "Negative factorial in routine factln" and returns
// 0; n = 0 and 1 give 0. Values for n up to 100 are cached for the life of
// the program; larger n are computed as gammaln(n + 1) each time.
double factln(long long n);

// The binomial coefficient C(n, k), rounded to the nearest integer, from
// log-factorials. k < 0 or k > n fails through factln.
double bico(long long n, long long k);

}  // namespace quorvix::numeric
