#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cmath>

#include "numeric/ExponentialIntegral.h"

using namespace quorvix::numeric;

// Reference values computed at 40 digits with an arbitrary-precision tool.

TEST(ExpInt, MatchesReferenceValuesOnBothBranches) {
    struct { int n; double x, ref; } cases[] = {
        {1, 0.5, 0.55977359477616081175},     {2, 0.5, 0.32664386232455301773},
        {3, 1, 0.10969196719776013684},       {1, 2, 0.048900510708061119567},
        {5, 3.5, 0.0037901817351055469397},   {10, 0.2, 0.088758726830502983167},
        {0, 2, 0.067667641618306345947},      {1, 1e-10, 22.44863526513892398},
        {2, 20, 9.4048564308581489887e-11},   {3, 0.99, 0.1111879530835865834},
    };
    for (const auto& c : cases) {
        errno = 0;
        EXPECT_NEAR(expint(c.n, c.x) / c.ref, 1.0, 1e-14) << c.n << " " << c.x;
        EXPECT_EQ(errno, 0);
    }
}

TEST(ExpInt, SpecialCasesAndBadArguments) {
    errno = 0;
    EXPECT_EQ(expint(2, 0), 1.0);
    EXPECT_EQ(expint(5, 0), 0.25);
    EXPECT_EQ(expint(0, 1.5), std::exp(-1.5) / 1.5);
    EXPECT_EQ(errno, 0);
    for (auto [n, x] : {std::pair{1, 0.0}, {0, 0.0}, {-1, 1.0}, {2, -0.5}}) {
        errno = 0;
        EXPECT_EQ(expint(n, x), 0.0);
        EXPECT_EQ(errno, EDOM) << n << " " << x;
    }
}

TEST(ExpInt, HugeOrderAnswersAtOnce) {
    // E_n(x) ~ e^-x / (x + n) for large n: the fraction converges quickly.
    errno = 0;
    const double big = expint(INT_MAX, 2.0);
    EXPECT_EQ(errno, 0);
    EXPECT_NEAR(big * (2.0 + INT_MAX) / std::exp(-2.0), 1.0, 1e-8);
    // The series branch likewise.
    errno = 0;
    const double small = expint(INT_MAX, 0.5);
    EXPECT_EQ(errno, 0);
    EXPECT_NEAR(small * (0.5 + INT_MAX) / std::exp(-0.5), 1.0, 1e-8);
}

TEST(ExpInt, UnderflowIsZeroNotARangeError) {
    errno = 0;
    EXPECT_EQ(expint(1, 800.0), 0.0);
    EXPECT_EQ(expint(0, 800.0), 0.0);
    EXPECT_EQ(errno, 0);
}

TEST(Ei, MatchesReferenceValuesOnEveryBranch) {
    struct { double x, ref; } cases[] = {
        {1e-5, -10.935699800043695504}, {0.5, 0.45421990486317357992},
        {1, 1.8951178163559367555},     {5, 40.185275355803177455},
        {20, 25615652.66405658882},     {32, 2550043566357.7869261},
        // Asymptotic series above x = 32.74.
        {33, 6714640184076.4975587},    {40, 6039718263611241.5784},
        {100, 2.7155527448538798219e+41}, {700, 1.4509787360525608526e+301},
    };
    for (const auto& c : cases) {
        errno = 0;
        EXPECT_NEAR(ei(c.x) / c.ref, 1.0, 1e-13) << c.x;
        EXPECT_EQ(errno, 0);
    }
    // Below 1e-200 only the logarithmic terms are left.
    EXPECT_NEAR(ei(1e-300), -690.19831223331217234, 1e-12);
    EXPECT_EQ(ei(1e-300), std::log(1e-300) + 0.5772156649015329);
}

TEST(Ei, NonPositiveFails) {
    for (double x : {0.0, -1.0}) {
        errno = 0;
        EXPECT_EQ(ei(x), 0.0);
        EXPECT_EQ(errno, EDOM);
    }
    // Above about 709.8 the result overflows: not finite, so the caller
    // reports it as a bad argument.
    EXPECT_FALSE(std::isfinite(ei(800)));
}
