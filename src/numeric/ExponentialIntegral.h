#pragma once
// Exponential integrals E_n(x) and Ei(x).

namespace quorvix::numeric {

// E_n(x) = ∫₁^∞ e^(-xt) / t^n dt. Fails with "bad arguments in expint" for
// n < 0, x < 0, or x = 0 with n = 0 or 1; with "continued fraction failed in
// expint" (x > 1) or "series failed in expint" (x <= 1) after 100 terms.
double expint(int n, double x);

// Ei(x) = -∫₋ₓ^∞ e^(-t) / t dt for x > 0 (x <= 0 fails with "Bad argument in
// ei"); power series up to x = -ln(6e-15), asymptotic series above.
double ei(double x);

}  // namespace quorvix::numeric
