#pragma once
// Legendre's incomplete elliptic integrals of the first, second and third
// kind, for any amplitude, through Carlson's integrals. phi is in radians; k
// is the modulus. Beyond |phi| = pi/2 the integrals continue as integrals:
// F(phi + m pi, k) = F(phi, k) + 2 m K(k), and likewise for E and Pi.
// k sin(phi) > 1 (or, past pi/2, |k| > 1) and other invalid arguments are
// domain errors of the Carlson routines (errno EDOM).

namespace quorvix::numeric {

double legendref(double phi, double k);
double legendree(double phi, double k);
// Pi(phi, n, k) = integral of 1 / ((1 + n sin^2 t) sqrt(1 - k^2 sin^2 t));
// where 1 + n sin^2 t changes sign on the way it is the principal value.
double legendrepi(double phi, double n, double k);

}  // namespace quorvix::numeric
