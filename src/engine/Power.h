#pragma once
// The ^ operator. Small integer exponents are computed without pow: the
// square is exact before its one rounding, and the cube and fourth power
// carry the square's rounding error along (a double-double step with fused
// multiply-adds), so they are correctly rounded but for rare ties, as pow
// is. Overflow gives an infinity either way; underflow 0 or a subnormal.
// Every product that meets a sum is an explicit fma, so the result is the
// same whether or not the compiler contracts expressions on its own.

#include <cmath>

namespace quorvix {

inline double Square(double x) { return x * x; }

inline double Cube(double x) {
    const double p = x * x;
    const double e = std::fma(x, x, -p);
    const double hi = p * x;
    if (!std::isfinite(hi)) return hi;
    const double lo = std::fma(e, x, std::fma(p, x, -hi));
    return hi + lo;
}

inline double Fourth(double x) {
    const double p = x * x;
    const double e = std::fma(x, x, -p);
    const double hi = p * p;
    if (!std::isfinite(hi)) return hi;
    const double lo = std::fma(2.0 * p, e, std::fma(p, p, -hi));
    return hi + lo;
}

inline double Power(double a, double b) {
    if (b == 2.0) return Square(a);
    if (b == 3.0) return Cube(a);
    if (b == 4.0) return Fourth(a);
    return std::pow(a, b);
}

}  // namespace quorvix
