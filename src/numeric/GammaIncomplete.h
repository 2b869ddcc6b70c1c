#pragma once
// The regularised incomplete gamma functions P(a, x) and Q(a, x) = 1 - P.

namespace quorvix::numeric {

// P(a, x). x < 0 or a <= 0 reports "Invalid arguments in routine gammp".
double gammp(double a, double x);

// Q(a, x). x < 0 or a <= 0 reports "Invalid arguments in routine gammq".
double gammq(double a, double x);

}  // namespace quorvix::numeric
