#pragma once
// Horner evaluation of a polynomial given by its coefficients in increasing
// powers, as the fixed approximations of the Bessel functions are listed.

#include <cstddef>

namespace quorvix::numeric {

template <std::size_t N>
constexpr double polyIncreasing(const double (&c)[N], double t) {
    double r = c[N - 1];
    for (std::size_t i = N - 1; i-- > 0;) r = r * t + c[i];
    return r;
}

}  // namespace quorvix::numeric
