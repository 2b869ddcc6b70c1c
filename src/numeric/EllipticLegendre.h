#pragma once
// Legendre's incomplete elliptic integrals of the first, second and third
// kind through Carlson's integrals. phi is in radians; k is the modulus.
// The formulas equal the integrals for 0 <= phi <= pi/2 and are evaluated
// as they stand for other phi (odd in phi, periodic through sin and cos^2).
// k sin(phi) > 1 and other invalid arguments fail inside the Carlson
// routines.

namespace quorvix::numeric {

double legendref(double phi, double k);
double legendree(double phi, double k);
// Pi(phi, n, k) = integral of 1 / ((1 + n sin^2 t) sqrt(1 - k^2 sin^2 t)).
double legendrepi(double phi, double n, double k);

}  // namespace quorvix::numeric
