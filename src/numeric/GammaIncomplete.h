#pragma once
// The regularised incomplete gamma functions P(a, x) and Q(a, x) = 1 - P,
// by their series (x < a + 1) or continued fraction (otherwise).

namespace quorvix::numeric {

// P(a, x). x < 0 or a <= 0 reports "Invalid arguments in routine gammp".
double gammp(double a, double x);

// Q(a, x). x < 0 or a <= 0 reports "Invalid arguments in routine gammq".
double gammq(double a, double x);

// P(a, x) by its series; at most 100 terms, else "a too large, ITMAX too
// small in routine gser". x < 0 reports "x less than 0 in routine gser".
double gser(double a, double x);

// Q(a, x) by its continued fraction (modified Lentz); at most 100 steps,
// else "a too large, ITMAX too small in gcf".
double gcf(double a, double x);

}  // namespace quorvix::numeric
