#pragma once
// Spherical Bessel functions j_n(x) and y_n(x), through J and Y of order
// n + 1/2.

namespace quorvix::numeric {

struct SphericalBesselValues {
    double j = 0.0;  // j_n(x)
    double y = 0.0;  // y_n(x)
};

// n < 0 or x <= 0 fails with "bad arguments in sphbes". Where j_n(x) is
// below the smallest double, j is 0 and y (which then overflows) is
// -infinity. Below x = 1e-8 the leading terms of the power series are used.
// Other orders too large to recur over fail.
SphericalBesselValues sphbes(int n, double x);

}  // namespace quorvix::numeric
