#pragma once
// The zeros of J0, J1, Y0, Y1, the spherical j1 and y1, Ai and Bi in the
// range where their values come from the general routines (below about 32
// for the Bessel functions, above -20 for the Airy functions), generated
// with the derivative at each zero by scripts/reference/bessel_airy.py;
// and Ai, Bi with their derivatives at every half from -19.5 to 13.

#include "numeric/FunctionZeroExpansion.h"

namespace quorvix::numeric::zeros {
#include "numeric/BesselAiryZeros.inc"
}  // namespace quorvix::numeric::zeros
