#pragma once
// Binomial coefficients.

namespace quorvix::numeric {

// C(n, k). Exact while the value is below 2^53 (a product of integers);
// beyond that through the beta function, to within a few units in the last
// place. k < 0, n < 0 or k > n reports "Bad arguments in routine bico" and
// returns 0; a value beyond the double range gives infinity with ERANGE.
double bico(long long n, long long k);

}  // namespace quorvix::numeric
