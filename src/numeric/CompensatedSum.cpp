#include "numeric/CompensatedSum.h"

#include <cmath>

namespace quorvix::numeric {

namespace {

// Scaling by a power of two is exact (short of the subnormal range), so a
// sum whose terms overflow is formed scaled down and scaled back at the end.
constexpr int kScaleExponent = 16;

double ScaledSum(const double* values, int count, int exponent) {
    NeumaierSum sum;
    for (int i = 0; i < count; ++i) sum.Add(std::ldexp(values[i], -exponent));
    return sum.Value();
}

}  // namespace

double CompensatedSum(const double* values, int count) {
    const double plain = ScaledSum(values, count, 0);
    if (std::isfinite(plain)) return plain;
    return std::ldexp(ScaledSum(values, count, kScaleExponent), kScaleExponent);
}

double CompensatedMean(const double* values, int count) {
    const double plain = ScaledSum(values, count, 0);
    if (std::isfinite(plain)) return plain / count;
    return std::ldexp(ScaledSum(values, count, kScaleExponent) / count, kScaleExponent);
}

}  // namespace quorvix::numeric
