#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cmath>

#include "numeric/Binomial.h"

using namespace quorvix::numeric;

TEST(Bico, ExactForModerateArguments) {
    errno = 0;
    EXPECT_EQ(bico(5, 2), 10.0);
    EXPECT_EQ(bico(5, 0), 1.0);
    EXPECT_EQ(bico(5, 5), 1.0);
    EXPECT_EQ(bico(30, 15), 155117520.0);
    EXPECT_EQ(bico(52, 5), 2598960.0);
    // Pascal's rule holds exactly where the values are exact.
    for (int n = 1; n <= 30; ++n)
        for (int k = 1; k < n; ++k)
            EXPECT_EQ(bico(n, k), bico(n - 1, k - 1) + bico(n - 1, k)) << n << " " << k;
    EXPECT_EQ(errno, 0);
}

TEST(Bico, OutOfRangeFails) {
    errno = 0;
    bico(2, 5);
    EXPECT_EQ(errno, EDOM);
    errno = 0;
    bico(5, -1);
    EXPECT_EQ(errno, EDOM);
    // n - k beyond the int range must not wrap around, and the failure must
    // survive the underflowing exponential after it.
    errno = 0;
    bico(INT_MAX, INT_MIN);
    EXPECT_EQ(errno, EDOM);
    errno = 0;
    bico(100, -1000000);
    EXPECT_EQ(errno, EDOM);
}
TEST(Bico, ExactUpToTwoToThe53AndThenCloseAndOverflowIsNotFinite) {
    errno = 0;
    EXPECT_EQ(bico(40, 20), 137846528820.0);
    EXPECT_EQ(bico(56, 28), 7648690600760440.0);  // the largest C(2k, k) below 2^53
    EXPECT_EQ(bico(INT_MAX, INT_MAX - 1), static_cast<double>(INT_MAX));
    // C(58, 29) = 30067266499541040 is a double; beyond 2^53 it is met to an ulp.
    EXPECT_NEAR(bico(58, 29), 30067266499541040.0, 4.0);
    EXPECT_EQ(errno, 0);
    EXPECT_FALSE(std::isfinite(bico(1030, 515)));
}
