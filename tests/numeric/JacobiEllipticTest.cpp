#include <gtest/gtest.h>

#include <cmath>

#include "SpecialFunctionTestSupport.h"
#include "numeric/JacobiElliptic.h"

using namespace quorvix::numeric;

namespace {

// mc is the complementary parameter 1 - k^2. Values to full precision are
// checked in SpecialFunctionReferenceTest; these tests hold the identities
// and the limits.

}  // namespace

TEST(JacobiElliptic, NegativeParameterStaysOnTheUnitCircle) {
    // sn^2 + cn^2 = 1 and dn^2 + k^2 sn^2 = 1 with k^2 = 1 - mc.
    for (double mc : {-0.5, -2.0, -10.0}) {
        for (double u : {0.1, 0.3, 0.9, 2.0}) {
            const JacobiValues v = jacobielliptic(u, mc);
            EXPECT_NEAR(v.sn * v.sn + v.cn * v.cn, 1.0, 1e-15) << u << "," << mc;
            EXPECT_NEAR(v.dn * v.dn + (1.0 - mc) * v.sn * v.sn, 1.0, 1e-14) << u << "," << mc;
            EXPECT_LE(std::fabs(v.cn), 1.0 + 1e-12) << u << "," << mc;
        }
    }
}

TEST(JacobiElliptic, LimitsOfTheParameter) {
    for (double u : {-2.0, 0.3, 1.7}) {
        const JacobiValues h = jacobielliptic(u, 0.0);  // k = 1: hyperbolic
        EXPECT_DOUBLE_EQ(h.sn, std::tanh(u));
        EXPECT_DOUBLE_EQ(h.cn, 1.0 / std::cosh(u));
        EXPECT_DOUBLE_EQ(h.dn, 1.0 / std::cosh(u));
        const JacobiValues c = jacobielliptic(u, 1.0);  // k = 0: circular
        EXPECT_NEAR(c.sn, std::sin(u), 1e-15);
        EXPECT_NEAR(c.cn, std::cos(u), 1e-15);
        EXPECT_NEAR(c.dn, 1.0, 1e-15);
    }
    const JacobiValues z = jacobielliptic(0.0, 0.3);
    EXPECT_EQ(z.sn, 0.0);
    EXPECT_EQ(z.cn, 1.0);
    EXPECT_EQ(z.dn, 1.0);
}

TEST(JacobiElliptic, NonFiniteInputGivesNonFiniteOutput) {
    EXPECT_TRUE(std::isnan(jacobielliptic(std::nan(""), 0.5).sn));
    EXPECT_TRUE(std::isnan(jacobielliptic(0.5, std::nan("")).sn));
    EXPECT_FALSE(std::isfinite(jacobielliptic(1e308, 1e308).sn));
}
