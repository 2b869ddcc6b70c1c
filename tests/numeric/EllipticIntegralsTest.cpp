#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "SpecialFunctionTestSupport.h"
#include "numeric/CarlsonIntegrals.h"
#include "numeric/EllipticLegendre.h"

using namespace quorvix::numeric;
using quorvix::numeric::testing::Fails;
using quorvix::numeric::testing::RelativelyNear;

// Values to full precision are checked in SpecialFunctionReferenceTest; these
// tests hold the identities, the domains and the behaviour beyond pi/2.

namespace {
constexpr double kPi = 3.141592653589793;
}  // namespace

TEST(Carlson, IdentitiesAtEqualArguments) {
    EXPECT_NEAR(rf(1, 1, 1), 1.0, 1e-12);
    EXPECT_NEAR(rd(1, 1, 1), 1.0, 1e-12);
    EXPECT_NEAR(rj(1, 1, 1, 1), 1.0, 1e-12);
    for (double x : {0.25, 1.0, 9.0, 1e6}) EXPECT_TRUE(RelativelyNear(rc(x, x), 1.0 / std::sqrt(x), 1e-12));
    EXPECT_TRUE(RelativelyNear(rc(0, 1), kPi / 2.0, 1e-15));
}

TEST(Carlson, InvalidArgumentsFailWithoutLooping) {
    EXPECT_TRUE(Fails([] { rf(0, 0, 1); }));   // x + y below 1.5e-38
    EXPECT_TRUE(Fails([] { rf(-1, 1, 1); }));
    EXPECT_TRUE(Fails([] { rd(-1, 1, 1); }));
    EXPECT_TRUE(Fails([] { rd(1, 1, 0); }));
    EXPECT_TRUE(Fails([] { rj(1, 1, 1, 0); }));
    EXPECT_TRUE(Fails([] { rc(1, 0); }));
    EXPECT_TRUE(Fails([] { rc(-1, 1); }));
    // NaN passes every comparison-based test and would never converge.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(Fails([&] { rf(nan, 1, 1); }));
    EXPECT_TRUE(Fails([&] { rd(1, nan, 1); }));
    EXPECT_TRUE(Fails([&] { rj(1, 1, 1, nan); }));
    EXPECT_TRUE(Fails([&] { rc(1, nan); }));
}

TEST(Carlson, ExtremeButValidArgumentsConverge) {
    errno = 0;
    EXPECT_TRUE(std::isfinite(rf(1.5e-38, 0, 3e37)));
    EXPECT_TRUE(std::isfinite(rd(0, 1.5e-38, 3e37)));
    EXPECT_TRUE(std::isfinite(rj(9e11, 2.5e-13, 0, 2.5e-13)));
    EXPECT_TRUE(std::isfinite(rc(0, 3e37)));
    EXPECT_EQ(errno, 0);
}

TEST(Legendre, EdgeCases) {
    EXPECT_EQ(legendref(0.0, 0.5), 0.0);
    EXPECT_TRUE(RelativelyNear(legendref(kPi / 2.0, 0.0), kPi / 2.0, 1e-10));
    EXPECT_EQ(legendref(-0.7, 0.4), -legendref(0.7, 0.4));  // odd in phi
    EXPECT_TRUE(Fails([] { legendref(1.0, 2.0); }));      // k sin(phi) > 1
    EXPECT_TRUE(Fails([] { legendree(1.0, 2.0); }));
    EXPECT_TRUE(Fails([] { legendrepi(1.0, 0.5, 2.0); }));
    // Past pi/2 a modulus above 1 has no real integral; below it, it has.
    EXPECT_TRUE(Fails([] { legendref(2.0, 1.1); }));
    EXPECT_FALSE(Fails([] { legendref(0.5, 1.1); }));
}

TEST(Legendre, QuasiPeriodicBeyondHalfPi) {
    // F(phi + m pi) = F(phi) + 2 m K, and likewise E and Pi.
    const double k = 0.8, n = 0.3;
    const double K = legendref(kPi / 2.0, k), E = legendree(kPi / 2.0, k);
    const double P = legendrepi(kPi / 2.0, n, k);
    for (double m : {1.0, -2.0, 7.0}) {
        EXPECT_TRUE(RelativelyNear(legendref(0.4 + m * kPi, k), legendref(0.4, k) + 2 * m * K, 1e-14));
        EXPECT_TRUE(RelativelyNear(legendree(0.4 + m * kPi, k), legendree(0.4, k) + 2 * m * E, 1e-14));
        EXPECT_TRUE(RelativelyNear(legendrepi(0.4 + m * kPi, n, k), legendrepi(0.4, n, k) + 2 * m * P, 1e-14));
    }
}
