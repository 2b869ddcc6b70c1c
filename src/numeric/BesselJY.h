#pragma once
// Bessel functions of the first and second kind, J_n(x) and Y_n(x), for
// integer orders n >= 0, to double precision: Boost.Math in general; for
// orders 0 and 1 near their zeros below 40, an expansion about the zero;
// for higher orders near a zero, a recomputation in quadruple precision;
// for x large against n^2, Hankel's expansion with its phase in quadruple
// precision; from order 1000 up (to 2^31), the large-order expansions.

namespace quorvix::numeric {

// J_n(x). n < 0 fails with "Index n less than 0 in bessj" and returns 0.
// J_n(-x) = (-1)^n J_n(x).
double bessj(int n, double x);

// Y_n(x). n < 0 fails with "Index n less than 0 in bessy". For x <= 0 the
// result is not finite (-infinity at 0).
double bessy(int n, double x);

}  // namespace quorvix::numeric
