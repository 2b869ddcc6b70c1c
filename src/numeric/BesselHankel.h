#pragma once
// J_nu(x) and Y_nu(x) for x large against nu^2 by Hankel's expansion,
// sqrt(2 / (pi x)) (P cos chi - Q sin chi) with chi = x - (nu/2 + 1/4) pi,
// written as R cos(chi + phi) with the phase reduced in quadruple precision
// so that the values keep their relative accuracy near every zero. For
// half-integer orders (the spherical functions) the expansion ends and is
// exact.

#include "numeric/QuadPhase.h"

namespace quorvix::numeric {

// The x from which the Bessel routines try this expansion first; below it
// the tables of zeros (BesselAiryZeros.h) take care of the values near zeros.
inline constexpr double kHankelFrom = 39.0;

struct HankelValues {
    double j = 0.0;
    double y = 0.0;
};

// False when the expansion does not reach double precision at this x
// (x too small against the order); values are then left alone.
bool besselHankel(double nu, double x, HankelValues& out);

struct QuadBesselValues {
    quad j = 0;
    quad y = 0;
};

// J_nu(x) and Y_nu(x) to quadruple precision by the same expansion, the
// start of a quadruple-precision recurrence. False when the sums do not
// reach it (for orders 0 and 1, x below about 45).
bool besselHankelQuad(double nu, double x, QuadBesselValues& out);

}  // namespace quorvix::numeric
