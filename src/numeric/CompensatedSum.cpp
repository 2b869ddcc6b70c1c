#include "numeric/CompensatedSum.h"

#include <cmath>

namespace quorvix::numeric {

namespace {

// Scaling by a power of two is exact (short of the subnormal range), so a
// sum whose terms overflow is formed scaled down and scaled back at the end.
constexpr int kScaleExponent = 16;

NeumaierSum ScaledSum(const double* values, int count, int exponent) {
    NeumaierSum sum;
    for (int i = 0; i < count; ++i) sum.Add(std::ldexp(values[i], -exponent));
    return sum;
}

}  // namespace

double NeumaierSum::Mean(int n) const {
    const double q = sum_ / n;
    const double remainder = std::fma(-q, static_cast<double>(n), sum_);  // exact
    return q + (remainder + compensation_) / n;
}

double CompensatedSum(const double* values, int count) {
    const double plain = ScaledSum(values, count, 0).Value();
    if (std::isfinite(plain)) return plain;
    return std::ldexp(ScaledSum(values, count, kScaleExponent).Value(), kScaleExponent);
}

double CompensatedMean(const double* values, int count) {
    const double plain = ScaledSum(values, count, 0).Mean(count);
    if (std::isfinite(plain)) return plain;
    return std::ldexp(ScaledSum(values, count, kScaleExponent).Mean(count), kScaleExponent);
}

}  // namespace quorvix::numeric
