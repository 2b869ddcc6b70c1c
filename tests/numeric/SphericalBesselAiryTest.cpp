// Catalogue behaviour of the spherical Bessel and Airy functions: values at
// and below 0, bad orders, tiny and overflowing arguments. Accuracy is the
// table test's business (BesselAiryTableTest.cpp).

#include <gtest/gtest.h>

#include <cmath>

#include "SpecialFunctionTestSupport.h"
#include "numeric/Airy.h"
#include "numeric/BesselSpherical.h"

using namespace quorvix::numeric;
using quorvix::numeric::testing::Fails;
using quorvix::numeric::testing::RelativelyNear;

TEST(SphericalBessel, ZeroAndNegativeArguments) {
    EXPECT_FALSE(Fails([] {
        EXPECT_EQ(sphbes(0, 0.0).j, 1.0);
        EXPECT_EQ(sphbes(3, 0.0).j, 0.0);
    }));
    EXPECT_FALSE(std::isfinite(sphbes(0, 0.0).y));
    for (int n : {0, 1, 2, 7, 60}) {
        const SphericalBesselValues pos = sphbes(n, 2.75), neg = sphbes(n, -2.75);
        EXPECT_EQ(neg.j, (n % 2 ? -1 : 1) * pos.j) << n;
        EXPECT_EQ(neg.y, (n % 2 ? 1 : -1) * pos.y) << n;
    }
    EXPECT_TRUE(Fails([] { sphbes(-1, 1.0); }));
}

TEST(SphericalBessel, TinyArguments) {
    EXPECT_EQ(sphbes(0, 1e-25).j, 1.0);
    EXPECT_TRUE(RelativelyNear(sphbes(0, 1e-25).y, -1e25, 1e-15));
    EXPECT_TRUE(RelativelyNear(sphbes(2, 1e-9).j, 6.6666666666666673e-20, 1e-15));
    EXPECT_TRUE(RelativelyNear(sphbes(2, 1e-9).y, -2.9999999999999992e+27, 1e-15));
    EXPECT_TRUE(RelativelyNear(sphbes(1, 1e-300).j, 1e-300 / 3.0, 1e-15));
    EXPECT_FALSE(std::isfinite(sphbes(1, 1e-300).y));
    EXPECT_EQ(sphbes(1000, 1.0).j, 0.0);
}

TEST(Airy, ValuesAtZeroAndBeyondTheDoubleRange) {
    // Ai(0) = 3^(-2/3) / Gamma(2/3) and Bi(0) = sqrt(3) Ai(0), rounded.
    EXPECT_EQ(airyfn(0.0).ai, 0.3550280538878172);
    EXPECT_EQ(airyfn(0.0).bi, 0.6149266274460007);
    EXPECT_EQ(airyfn(1e-300).ai, 0.3550280538878172);
    EXPECT_EQ(airyfn(120.0).ai, 0.0);
    EXPECT_FALSE(std::isfinite(airyfn(120.0).bi));
    // Far out on the negative side the values stay finite and small.
    const AiryValues far = airyfn(-1e200);
    EXPECT_LE(std::fabs(far.ai), 1e-50);
    EXPECT_LE(std::fabs(far.bi), 1e-50);
}
