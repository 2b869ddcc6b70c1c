#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "SpecialFunctionTestSupport.h"
#include "numeric/BesselIK.h"
#include "numeric/BesselJY.h"

using namespace quorvix::numeric;
using quorvix::numeric::testing::Fails;
using quorvix::numeric::testing::RelativelyNear;

TEST(BesselIntegerOrder, ValuesAtZeroAndSymmetry) {
    EXPECT_EQ(bessj(0, 0.0), 1.0);
    EXPECT_EQ(bessj(3, 0.0), 0.0);
    EXPECT_EQ(bessi(2, 0.0), 0.0);
    EXPECT_EQ(bessj(3, -2.0), -bessj(3, 2.0));
    EXPECT_EQ(bessj(2, -2.0), bessj(2, 2.0));
    EXPECT_EQ(bessi(3, -1.5), -bessi(3, 1.5));
    EXPECT_EQ(bessi(4, -1.5), bessi(4, 1.5));
}

TEST(BesselIntegerOrder, NegativeOrderFailsAndLogBranchesAreNotFinite) {
    EXPECT_TRUE(Fails([] { return bessj(-1, 1.0); }));
    EXPECT_TRUE(Fails([] { return bessy(-1, 1.0); }));
    EXPECT_TRUE(Fails([] { return bessi(-2, 1.0); }));
    EXPECT_TRUE(Fails([] { return bessk(-3, 1.0); }));
    EXPECT_FALSE(std::isfinite(bessy(0, 0.0)));
    EXPECT_FALSE(std::isfinite(bessk(1, -1.0)));
    EXPECT_FALSE(std::isfinite(bessy(3, -2.0)));
}

TEST(BesselIntegerOrder, HugeOrdersAnswerOrOverflow) {
    const int huge = std::numeric_limits<int>::max();
    // Far below the smallest double.
    EXPECT_FALSE(Fails([&] { EXPECT_EQ(bessj(huge, 1.0), 0.0); }));
    EXPECT_FALSE(Fails([&] { EXPECT_EQ(bessj(huge, 1e9), 0.0); }));
    EXPECT_FALSE(Fails([&] { EXPECT_EQ(bessi(huge, 1.0), 0.0); }));
    EXPECT_FALSE(Fails([&] { EXPECT_EQ(bessk(huge, 1e12), 0.0); }));
    // Beyond the largest double: not finite, which the engine reports.
    EXPECT_FALSE(std::isfinite(bessy(huge, 1.0)));
    EXPECT_FALSE(std::isfinite(bessk(huge, 1.0)));
    EXPECT_FALSE(std::isfinite(bessi(huge, 3e9)));
    // Far beyond the order, the large-argument form (reference:
    // sqrt(2/(pi x)) cos(x - (2n+1) pi/4) at 420 digits with bc).
    EXPECT_FALSE(Fails([&] {
        EXPECT_TRUE(RelativelyNear(bessj(huge, 1e308), -7.5866879552418009e-155, 1e-14));
        EXPECT_TRUE(RelativelyNear(bessy(huge, 1e308), -2.4706564120790078e-155, 1e-14));
    }));
}

TEST(BesselIntegerOrder, TinyArgumentsUnderflowInsteadOfOverflowing) {
    EXPECT_FALSE(Fails([] { EXPECT_EQ(bessj(50, 1e-20), 0.0); }));
    EXPECT_FALSE(Fails([] { EXPECT_EQ(bessi(5, 1e-200), 0.0); }));
    // Representable values that the recurrence cannot reach either.
    EXPECT_TRUE(RelativelyNear(bessj(2, 1e-150), 1.25e-301, 1e-14));
    EXPECT_TRUE(RelativelyNear(bessj(3, -1e-100), -(5e-101 * 5e-101 * 5e-101) / 6.0, 1e-14));
    EXPECT_TRUE(RelativelyNear(bessi(3, -1e-100), -(5e-101 * 5e-101 * 5e-101) / 6.0, 1e-14));
    EXPECT_TRUE(RelativelyNear(bessi(2, 2e-9), 5e-19, 1e-14));
    EXPECT_TRUE(RelativelyNear(bessj(2, 1.0001e-8), 1.0001e-8 * 1.0001e-8 / 8.0, 1e-14));
}

TEST(BesselIntegerOrder, KOfLargeArgumentKeepsItsScale) {
    // K_0 and K_1 underflow beyond x = 745; higher orders need not.
    EXPECT_EQ(bessk(2, 800.0), 0.0);
    EXPECT_TRUE(RelativelyNear(bessk(5, 701.0), 1.7475530813465917e-306, 1e-14));
    EXPECT_TRUE(RelativelyNear(bessk(300, 720.0), 5.3658933942567698e-288, 1e-14));
    EXPECT_FALSE(std::isfinite(bessk(1000000, 800.0)));
}

TEST(BesselIntegerOrder, HugeOrdersNearTheTurningPointKeepTheWronskian) {
    // J_n Y_{n+1} - J_{n+1} Y_n = -2 / (pi x): an independent check of the
    // values carried across x = n, where no expansion in 1/n holds. The
    // products are about n^(1/3) times larger than their difference.
    for (int n : {5000, 1000000, 123456789, 2000000000}) {
        for (double f : {0.99999, 1.0, 1.000003, 1.00001}) {
            const double x = n * f;
            const double w = bessj(n, x) * bessy(n + 1, x) - bessj(n + 1, x) * bessy(n, x);
            EXPECT_TRUE(RelativelyNear(w, -2.0 / (M_PI * x), 1e-12)) << n << " " << x;
        }
    }
}
