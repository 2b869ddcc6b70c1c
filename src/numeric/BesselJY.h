#pragma once
// Bessel functions of the first and second kind, J_n(x) and Y_n(x), for
// integer orders: rational approximations for orders 0 and 1 (good to about
// eight digits) and recurrences for higher orders.

#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

double bessj0(double x);
double bessj1(double x);
double bessy0(double x);  // not finite for x <= 0
double bessy1(double x);  // not finite for x <= 0

// J_n(x). n < 0 fails with "Index n less than 0 in bessj" and returns 0.
// Orders too large to recur over (see BesselOrderLimit.h) give 0 where J_n
// underflows and fail otherwise. Given `stop`, the upward recurrence (|x|
// above n, where it is stable) runs for any order, asking `stop` as it
// goes; a stop fails with "bessj stopped".
double bessj(int n, double x, StopRequested stop = nullptr);

// Y_n(x) by upward recurrence, which ends as soon as the value overflows.
// n < 0 fails with "Index n less than 0 in bessy". Orders above the
// recurrence limit fail, unless `stop` is given: then any order recurs,
// asking `stop` as it goes ("bessy stopped").
double bessy(int n, double x, StopRequested stop = nullptr);

}  // namespace quorvix::numeric
