#pragma once
// Modified Bessel functions I_n(x) and K_n(x) for integer orders: the
// polynomial approximations of Abramowitz and Stegun 9.8.1-9.8.8 for orders
// 0 and 1, Miller's downward recurrence for I_n, upward recurrence for K_n.

namespace quorvix::numeric {

double bessi0(double x);
double bessi1(double x);
double bessk0(double x);  // not finite for x <= 0
double bessk1(double x);  // not finite for x <= 0

// I_n(x). n < 0 fails with "Index n less than 0 in bessi". Orders too large
// to recur over give 0 where I_n underflows and fail otherwise.
double bessi(int n, double x);

// K_n(x). n < 0 fails with "Index n less than 0 in bessk". Orders too large
// to recur over give 0 where K_n is far below the smallest double (x well
// beyond n) and fail otherwise.
double bessk(int n, double x);

}  // namespace quorvix::numeric
