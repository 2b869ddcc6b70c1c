#pragma once
// Bessel functions of the first and second kind, J_n(x) and Y_n(x), for
// integer orders: rational approximations for orders 0 and 1 (good to about
// eight digits) and recurrences for higher orders.

namespace quorvix::numeric {

double bessj0(double x);
double bessj1(double x);
double bessy0(double x);  // not finite for x <= 0
double bessy1(double x);  // not finite for x <= 0

// J_n(x). n < 0 fails with "Index n less than 0 in bessj" and returns 0.
// Orders too large to recur over (see BesselOrderLimit.h) give 0 where J_n
// underflows and fail otherwise.
double bessj(int n, double x);

// Y_n(x) by upward recurrence. n < 0 fails with "Index n less than 0 in
// bessy". Orders above the recurrence limit fail.
double bessy(int n, double x);

}  // namespace quorvix::numeric
