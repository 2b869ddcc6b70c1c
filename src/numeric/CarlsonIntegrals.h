#pragma once
// Carlson's symmetric elliptic integrals (Boost.Math). Arguments outside a
// routine's domain (and NaN) are a domain error: errno EDOM and a result
// that is not a number.

namespace quorvix::numeric {

// R_F(x, y, z): x, y, z >= 0, at most one of them 0.
double rf(double x, double y, double z);
// R_D(x, y, z): x, y >= 0, at most one of them 0, z > 0.
double rd(double x, double y, double z);
// R_J(x, y, z, p): x, y, z >= 0, at most one 0, p != 0; p < 0 gives the
// Cauchy principal value.
double rj(double x, double y, double z, double p);
// R_C(x, y): x >= 0, y != 0; y < 0 gives the Cauchy principal value.
double rc(double x, double y);

}  // namespace quorvix::numeric
