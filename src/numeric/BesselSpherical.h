#pragma once
// Spherical Bessel functions j_n(x) and y_n(x) for integer n >= 0 and any
// real x: closed forms for orders 0 and 1 (with expansions about the zeros
// of j1 and y1 below 40), Hankel's terminating expansion for x large against
// n^2, upward recurrence in long double where it is stable, Boost.Math, and
// the large-order expansions of J and Y of order n + 1/2 from order 1000.

namespace quorvix::numeric {

struct SphericalBesselValues {
    double j = 0.0;  // j_n(x)
    double y = 0.0;  // y_n(x)
};

// n < 0 fails with "bad arguments in sphbes". At x = 0, j is 1 for n = 0
// and 0 otherwise, and y is -infinity. For x < 0, j_n(x) = (-1)^n j_n(-x)
// and y_n(x) = (-1)^(n+1) y_n(-x).
SphericalBesselValues sphbes(int n, double x);

}  // namespace quorvix::numeric
