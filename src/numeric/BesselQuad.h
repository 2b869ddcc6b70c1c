#pragma once
// J_n(x) and Y_n(x) in quadruple precision, for the places where a double
// evaluation keeps only absolute accuracy: next to the zeros of orders
// 2 and up. Below x = 45, J comes from Miller's backward recurrence
// normalised by 1 = J_0 + 2 (J_2 + J_4 + ...), Y_0 and Y_1 from Neumann's
// series over those J, and Y_n from the forward recurrence. From x = 45 on
// (for n < x), orders 0 and 1 come from Hankel's expansion and both J and
// Y from the forward recurrence, in about n steps. All values carry an
// absolute error near 1e-32, so a value of 1e-17 still has 15 digits.

#include "numeric/BesselLargeOrder.h"

namespace quorvix::numeric {

// n >= 0, x > 0.
BesselPair besselJYQuad(int n, double x);

// The spherical j_n(x) and y_n(x) by the upward recurrence from the closed
// forms of orders 0 and 1, in quadruple precision; for j, only where the
// recurrence is stable (x > n). n >= 0, x > 0.
BesselPair sphericalBesselQuad(int n, double x);

}  // namespace quorvix::numeric
