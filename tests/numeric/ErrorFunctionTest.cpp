#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>

#include "numeric/ErrorFunction.h"
#include "numeric/GammaIncomplete.h"

using namespace quorvix::numeric;

// Values to full precision are checked in SpecialFunctionReferenceTest; these
// tests hold the edges, the failures and the symmetries.

TEST(IncompleteGamma, EdgesAndInvalidArguments) {
    errno = 0;
    EXPECT_EQ(gammp(1, 0), 0.0);
    EXPECT_EQ(gammq(1, 0), 1.0);
    EXPECT_NE(errno, EDOM);
    gammp(0, 1);
    EXPECT_EQ(errno, EDOM);
    errno = 0;
    gammp(1, -1);
    EXPECT_EQ(errno, EDOM);
    errno = 0;
    gammq(-2, 1);
    EXPECT_EQ(errno, EDOM);
}

TEST(IncompleteGamma, LargeParametersAnswer) {
    // Near x = a, P is about 1/2 + 1/(3 sqrt(2 pi a)).
    errno = 0;
    EXPECT_NEAR(gammp(1e7, 1e7), 0.5 + 1.0 / (3.0 * std::sqrt(2e7 * M_PI)), 1e-12);
    EXPECT_NEAR(gammp(1e7, 1e7) + gammq(1e7, 1e7), 1.0, 1e-15);
    EXPECT_NE(errno, EDOM);
    // Far from x = a both converge at once.
    errno = 0;
    EXPECT_EQ(gammp(1e300, 1.0), 0.0);
    EXPECT_NE(errno, EDOM);
}

TEST(ErrorFunction, DeepTailUnderflowsToZeroWithoutARangeError) {
    errno = 0;
    EXPECT_EQ(erfcn(30.0), 0.0);
    EXPECT_EQ(erfn(30.0), 1.0);
    EXPECT_EQ(erfcn(-30.0), 2.0);
    EXPECT_EQ(gammq(2.0, 2000.0), 0.0);
    EXPECT_EQ(errno, 0);
}

TEST(ErrorFunction, TinyArgumentsKeepTheirDigits) {
    // erf(x) = 2x / sqrt(pi) for tiny x, not 0.
    EXPECT_NEAR(erfn(1e-300) / 1.1283791670955126e-300, 1.0, 1e-15);
}

TEST(ErrorFunction, SymmetryAndZero) {
    EXPECT_EQ(erfn(0), 0.0);
    EXPECT_EQ(erfcn(0), 1.0);
    for (double x : {0.25, 1.0, 2.5, 6.0}) {
        EXPECT_EQ(erfn(-x), -erfn(x));
        EXPECT_NEAR(erfcn(-x), 1.0 + erfn(x), 4e-16);
    }
}
