#include "calculator/plot/PlotTicks.h"

#include <algorithm>
#include <cmath>

#include "calculator/ResultFormat.h"

namespace quorvix {

namespace {

// 1, 2 or 5 times a power of ten, the smallest not below x (x > 0).
double NiceStepAtLeast(double x) {
    const double power = std::pow(10.0, std::floor(std::log10(x)));
    for (double mantissa : {1.0, 2.0, 5.0, 10.0}) {
        const double step = mantissa * power;
        // A little slack, so that a range of exactly 10 steps is 10 steps.
        if (step >= x * (1.0 - 1e-9)) return step;
    }
    return 10.0 * power;
}

// Ticks beyond this many are never asked for; it also bounds the work.
constexpr int kMostTicks = 1000;
// The calculator's default ten significant digits.
constexpr int kWrittenOutDigits = 10;

}  // namespace

AxisTicks ChooseTicks(double low, double high, int maxTicks) {
    AxisTicks ticks;
    if (!std::isfinite(low) || !std::isfinite(high) || !(high > low)) return ticks;
    maxTicks = std::clamp(maxTicks, 2, kMostTicks);
    // With maxTicks - 1 intervals the range holds at most maxTicks ticks.
    double step = NiceStepAtLeast((high - low) / (maxTicks - 1));
    if (!std::isfinite(step) || step <= 0.0) return ticks;
    // Quotients a rounding error off an integer count as that integer.
    auto firstOf = [&](double s) { return std::ceil(low / s - 1e-9); };
    auto lastOf = [&](double s) { return std::floor(high / s + 1e-9); };
    double first = firstOf(step);
    double last = lastOf(step);
    // Rounding in the quotients may admit one tick too many: widen the step.
    while (last - first + 1 > maxTicks) {
        step = NiceStepAtLeast(step * 1.5);
        first = firstOf(step);
        last = lastOf(step);
    }
    ticks.step = step;
    for (double k = first; k <= last; k += 1.0) {
        double value = k * step;
        if (std::fabs(value) < step * 1e-9) value = 0.0;
        ticks.values.push_back(value);
    }
    return ticks;
}

std::string FormatTick(double value, double step, int numberFormat) {
    if (value == 0.0) return "0";
    // Significant digits: those of the value's magnitude down to the step's.
    const int valueExponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int stepExponent = static_cast<int>(std::floor(std::log10(step) + 1e-9));
    int digits = valueExponent - stepExponent + 1;
    // Whole numbers up to ten digits are written out, as answers are.
    if (numberFormat != kScientificFormat && valueExponent < kWrittenOutDigits)
        digits = std::max(digits, valueExponent + 1);
    digits = std::clamp(digits, 1, 15);
    const std::string pattern = numberFormat == kScientificFormat
                                    ? "%." + std::to_string(digits - 1) + "e"
                                    : "%." + std::to_string(digits) + "g";
    return FormatWithPattern(pattern, value);
}

}  // namespace quorvix
