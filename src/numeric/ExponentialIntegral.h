#pragma once
// Exponential integrals E_n(x) and Ei(x) (Boost.Math).

namespace quorvix::numeric {

// E_n(x) = ∫₁^∞ e^(-xt) / t^n dt. Fails with "bad arguments in expint" for
// n < 0, x < 0, or x = 0 with n = 0 or 1. An underflow to zero is a correct
// answer, not a range error.
double expint(int n, double x);

// Ei(x) = -∫₋ₓ^∞ e^(-t) / t dt for x > 0 (x <= 0 fails with "Bad argument in
// ei"), with full relative accuracy at its zero 0.3725...
double ei(double x);

}  // namespace quorvix::numeric
