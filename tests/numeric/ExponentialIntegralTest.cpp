#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cmath>

#include "numeric/ExponentialIntegral.h"

using namespace quorvix::numeric;

// Values to full precision are checked in SpecialFunctionReferenceTest; these
// tests hold the special cases and the failures.

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
