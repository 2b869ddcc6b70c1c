#include <gtest/gtest.h>

#include <cmath>

#include "SpecialFunctionTestSupport.h"
#include "numeric/JacobiElliptic.h"

using namespace quorvix::numeric;
using quorvix::numeric::testing::RelativelyNear;

namespace {

struct Case {
    double u, mc, sn, cn, dn;
};

// mc is the complementary parameter 1 - k^2. Reference values computed to
// 40 digits outside the project with parameter m = 1 - mc.
constexpr Case kCases[] = {
    {0.7, 0.5, 0.62434009096621734, 0.78115264245363436, 0.89727349532132494},
    {2.5, 0.1, 0.99969453845058609, 0.024714971010898625, 0.31709580068626358},
    {1, 0.0001, 0.76160269640292055, 0.64804423678619416, 0.64808898825587036},
    {5, 0.9, -0.98810464022758693, 0.15378302884489881, 0.94992890365335825},
    {-1.3, 3, -0.97557039873065488, -0.21968704358817148, 1.7039586866350305},
    // Negative mc (k^2 > 1): the reciprocal-modulus transformation.
    {0.7, -0.5, 0.58434062595945258, 0.81150849216340004, 0.69844044075352107},
    {0.3, -2, 0.28298587810649151, 0.9591240758068259, 0.87164039510390623},
    {4, -0.2, 0.26590729187258666, 0.96399860587502251, -0.95663575855953886},
};

// The AGM stops at an agreement of 3e-4, good to about 1e-7; cn and dn
// near a zero are compared in absolute terms.
constexpr double kTol = 1e-6;

}  // namespace

TEST(JacobiElliptic, MatchesReferenceValues) {
    for (const Case& c : kCases) {
        const JacobiValues v = jacobielliptic(c.u, c.mc);
        EXPECT_TRUE(RelativelyNear(v.sn, c.sn, kTol)) << "sn(" << c.u << "," << c.mc << ")";
        EXPECT_NEAR(v.cn, c.cn, kTol) << "cn(" << c.u << "," << c.mc << ")";
        EXPECT_NEAR(v.dn, c.dn, kTol) << "dn(" << c.u << "," << c.mc << ")";
    }
}

TEST(JacobiElliptic, NegativeParameterStaysOnTheUnitCircle) {
    // sn^2 + cn^2 = 1 and dn^2 + k^2 sn^2 = 1 with k^2 = 1 - mc.
    for (double mc : {-0.5, -2.0, -10.0}) {
        for (double u : {0.1, 0.3, 0.9, 2.0}) {
            const JacobiValues v = jacobielliptic(u, mc);
            EXPECT_NEAR(v.sn * v.sn + v.cn * v.cn, 1.0, 1e-9) << u << "," << mc;
            EXPECT_NEAR(v.dn * v.dn + (1.0 - mc) * v.sn * v.sn, 1.0, 1e-6) << u << "," << mc;
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
