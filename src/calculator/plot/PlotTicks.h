#pragma once
// Tick values for a plot axis: multiples of a "nice" step (1, 2 or 5 times a
// power of ten), and their labels in the calculator's number format with just
// enough digits to tell neighbouring ticks apart.

#include <string>
#include <vector>

namespace quorvix {

struct AxisTicks {
    double step = 0.0;           // 0 when the range is empty or not finite
    std::vector<double> values;  // ascending, every multiple of step in the range
};

// The smallest nice step that puts at most maxTicks ticks in [low, high]
// (maxTicks at least 2), and those ticks. A tick that is zero to within a
// rounding error of the step is exactly 0.
AxisTicks ChooseTicks(double low, double high, int maxTicks);

// The label of a tick in the general (0) or scientific (1) number format,
// digits chosen from the step so that 0.1, 0.2, 0.3 read as such and not as
// 0.30000000000000004.
std::string FormatTick(double value, double step, int numberFormat);

}  // namespace quorvix
