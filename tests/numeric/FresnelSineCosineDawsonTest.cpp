#include <gtest/gtest.h>

#include <cmath>

#include "SpecialFunctionTestSupport.h"
#include "numeric/Dawson.h"
#include "numeric/Fresnel.h"
#include "numeric/SineCosineIntegral.h"

using namespace quorvix::numeric;
using quorvix::numeric::testing::RelativelyNear;

// Values to full precision are checked in SpecialFunctionReferenceTest; these
// tests hold the symmetries and the extremes.

TEST(Fresnel, SymmetryZeroTinyAndHuge) {
    EXPECT_EQ(frenel(0.0).s, 0.0);
    EXPECT_EQ(frenel(0.0).c, 0.0);
    EXPECT_EQ(frenel(1e-20).c, 1e-20);
    EXPECT_DOUBLE_EQ(frenel(1e-20).s, M_PI / 6.0 * 1e-60);
    for (double x : {0.4, 1.5, 3.3}) {
        EXPECT_EQ(frenel(-x).s, -frenel(x).s);
        EXPECT_EQ(frenel(-x).c, -frenel(x).c);
    }
    // x^2 overflows: both integrals are 1/2 to double precision.
    EXPECT_EQ(frenel(1e200).s, 0.5);
    EXPECT_EQ(frenel(-1e200).c, -0.5);
    EXPECT_NEAR(frenel(1e10).s, 0.5, 1e-10);
}

TEST(SineCosineIntegral, ZeroSymmetryAndExtremes) {
    EXPECT_EQ(cisi(0.0).si, 0.0);
    EXPECT_EQ(cisi(0.0).ci, -1e37);
    for (double x : {0.3, 2.0, 7.5}) {
        EXPECT_EQ(cisi(-x).si, -cisi(x).si);
        EXPECT_EQ(cisi(-x).ci, cisi(x).ci);
    }
    EXPECT_EQ(cisi(-1e-300).si, -1e-300);
    EXPECT_DOUBLE_EQ(cisi(1e308).si, 1.5707963267948966);
    EXPECT_TRUE(std::isfinite(cisi(1e308).ci));
}

TEST(SineCosineIntegral, CiKeepsItsDigitsNextToZerosBeyondTheTable) {
    // The double nearest a zero of Ci (mpmath, 30 digits); the values had
    // only 4 or 5 right digits when f sin x - g cos x cancelled in doubles.
    const struct {
        double x, ci;
    } rows[] = {
        {219.91603253410895, 4.5661372238831129159e-17},
        {3141.5929718995076, 5.0970417927239637185e-17},
        {3141592.6535901115, -6.6071211483693715323e-18},
        {31415926535897.934, 3.8487589093854441475e-17},
    };
    for (const auto& row : rows) EXPECT_NEAR(cisi(row.x).ci / row.ci, 1.0, 1e-14) << row.x;
}

TEST(Dawson, OddNeverFailsAndHugeArguments) {
    errno = 0;
    EXPECT_EQ(dawsonfn(0.0), 0.0);
    EXPECT_EQ(dawsonfn(-1.0), -dawsonfn(1.0));
    EXPECT_EQ(dawsonfn(-0.1), -dawsonfn(0.1));
    // The sample index 2.5 x would overflow; 1/(2x) is exact there.
    EXPECT_EQ(dawsonfn(1e308), 0.5 / 1e308);
    EXPECT_EQ(dawsonfn(-1e308), -0.5 / 1e308);
    EXPECT_TRUE(RelativelyNear(dawsonfn(1e15), 5e-16, 1e-15));
    EXPECT_EQ(errno, 0);
}
