#pragma once
// Spherical Bessel functions j_n(x) and y_n(x), through J and Y of order
// n + 1/2.

namespace quorvix::numeric {

struct SphericalBesselValues {
    double j = 0.0;  // j_n(x)
    double y = 0.0;  // y_n(x)
};

// n < 0 or x <= 0 fails with "bad arguments in sphbes". For orders too
// large to recur over, j is 0 where it underflows (y then overflows and is
// returned as -infinity); other such orders fail.
SphericalBesselValues sphbes(int n, double x);

}  // namespace quorvix::numeric
