// Tick choice: nice steps of 1, 2 or 5 times a power of ten, at most the
// asked number of ticks, an exact zero, and labels without rounding noise.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calculator/plot/PlotTicks.h"

namespace quorvix {
namespace {

struct TickCase {
    double low, high;
    int most;
    double step;
    double first, last;
    std::size_t count;
};

TEST(PlotTicks, NiceStepsWithinTheRange) {
    const TickCase cases[] = {
        {-10, 10, 11, 2, -10, 10, 11},
        {-10, 10, 10, 5, -10, 10, 5},
        {0, 1, 11, 0.1, 0, 1, 11},
        {0, 1, 6, 0.2, 0, 1, 6},
        {-0.3, 0.3, 7, 0.1, -0.3, 0.3, 7},
        {0.0011, 0.0049, 5, 0.001, 0.002, 0.004, 3},
        {1e6, 2e6, 6, 2e5, 1e6, 2e6, 6},
        {-7.3, 123.4, 8, 20, 0, 120, 7},
        {3.3, 3.4, 2, 0.1, 3.3, 3.4, 2},
    };
    for (const TickCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.low << " .. " << c.high << " at most " << c.most);
        const AxisTicks ticks = ChooseTicks(c.low, c.high, c.most);
        EXPECT_DOUBLE_EQ(ticks.step, c.step);
        ASSERT_EQ(ticks.values.size(), c.count);
        EXPECT_LE(static_cast<int>(ticks.values.size()), c.most);
        EXPECT_NEAR(ticks.values.front(), c.first, c.step * 1e-9);
        EXPECT_NEAR(ticks.values.back(), c.last, c.step * 1e-9);
    }
}

TEST(PlotTicks, ZeroIsExactAndEmptyRangesHaveNoTicks) {
    const AxisTicks ticks = ChooseTicks(-0.7, 0.7, 15);
    EXPECT_NE(std::find(ticks.values.begin(), ticks.values.end(), 0.0), ticks.values.end());
    EXPECT_TRUE(ChooseTicks(1, 1, 5).values.empty());
    EXPECT_TRUE(ChooseTicks(2, 1, 5).values.empty());
    EXPECT_TRUE(ChooseTicks(0, HUGE_VAL, 5).values.empty());
}

TEST(PlotTicks, LabelsInTheNumberFormat) {
    struct LabelCase {
        double value, step;
        int format;
        const char* label;
    };
    const LabelCase cases[] = {
        {0.30000000000000004, 0.1, 0, "0.3"},
        {-0.5, 0.5, 0, "-0.5"},
        {10, 0.5, 0, "10"},
        {12.5, 0.5, 0, "12.5"},
        {0.0, 0.2, 0, "0"},
        {2e6, 2e5, 0, "2000000"},
        {20, 10, 0, "20"},
        {3e11, 1e11, 0, "3E+011"},
        {1.2e6, 2e5, 0, "1200000"},
        {1e-5, 1e-5, 0, "1E-005"},
        {1500, 500, 1, "1.5E+003"},
        {-0.002, 0.001, 1, "-2E-003"},
    };
    for (const LabelCase& c : cases)
        EXPECT_EQ(FormatTick(c.value, c.step, c.format), c.label) << c.value;
}

}  // namespace
}  // namespace quorvix
