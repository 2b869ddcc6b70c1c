#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "SpecialFunctionTestSupport.h"
#include "numeric/Airy.h"
#include "numeric/BesselFractional.h"
#include "numeric/BesselGammaCheb.h"
#include "numeric/BesselSpherical.h"

using namespace quorvix::numeric;
using quorvix::numeric::testing::Fails;
using quorvix::numeric::testing::RelativelyNear;

namespace {

struct FractionalCase {
    double nu, x, j, y, i, k;
};

// Reference values computed to 40 digits outside the project. They cover
// the series (x < 2) and continued-fraction (x >= 2) paths, recurrences over
// several orders and a large argument.
constexpr FractionalCase kCases[] = {
    {0, 0.5, 0.93846980724081286, -0.44451873350670656, 1.0634833707413236, 0.92441907122766587},
    {1.0 / 3.0, 0.3, 0.58501480583737375, -1.2133448538831422, 0.60509651841527679,
     1.5091129245821366},
    {0.5, 1.9, 0.54776230368286483, 0.18713496934630297, 1.89176400649451, 0.13599521326566796},
    {2.0 / 3.0, 2, 0.55696967691913768, 0.11989345361903536, 1.9089492968236219,
     0.1248389274881283},
    {1.5, 3, 0.47771821508709178, 0.087008090720835277, 3.0994834567256357,
     0.048034646842352792},
    {2.25, 10, 0.23879467469995505, -0.09057018154785243, 2158.1842082151397,
     2.26220371044803e-05},
    {7.5, 0.5, 2.158546507176618e-09, -19706633.699610583, 2.1905244050201854e-09,
     30365503.270558197},
    {30.3, 40, -0.12704347339603692, -0.090349916618756548, 220894905322.3255,
     4.5106320510591316e-14},
    {0.4, 150, -0.038888089002212536, -0.052267005480201904, 4.5411667297028684e+63,
     7.3402722226907794e-67},
};

// The continued fractions converge to 3e-15, but the gamma values of the
// series come from five-term Chebyshev sums, good to about 1e-10.
constexpr double kTol = 2e-8;

}  // namespace

TEST(BesselFractional, JYIKMatchReferenceValues) {
    for (const FractionalCase& c : kCases) {
        errno = 0;
        const BesselJYValues jy = bessjy(c.x, c.nu);
        const BesselIKValues ik = bessik(c.x, c.nu);
        EXPECT_EQ(errno, 0);
        EXPECT_TRUE(RelativelyNear(jy.j, c.j, kTol)) << "J nu=" << c.nu << " x=" << c.x;
        EXPECT_TRUE(RelativelyNear(jy.y, c.y, kTol)) << "Y nu=" << c.nu << " x=" << c.x;
        EXPECT_TRUE(RelativelyNear(ik.i, c.i, kTol)) << "I nu=" << c.nu << " x=" << c.x;
        EXPECT_TRUE(RelativelyNear(ik.k, c.k, kTol)) << "K nu=" << c.nu << " x=" << c.x;
    }
}

TEST(BesselFractional, DerivativesMatchReferenceValues) {
    const double third = 1.0 / 3.0;
    const BesselJYValues a = bessjy(1.2, third);
    const BesselIKValues b = bessik(1.2, third);
    EXPECT_TRUE(RelativelyNear(a.jp, -0.16610149384509224, kTol));
    EXPECT_TRUE(RelativelyNear(a.yp, 0.77516829778361762, kTol));
    EXPECT_TRUE(RelativelyNear(b.ip, 0.83311852212423554, kTol));
    EXPECT_TRUE(RelativelyNear(b.kp, -0.45781563231520955, kTol));
    const BesselJYValues c = bessjy(5.0, third);
    const BesselIKValues d = bessik(5.0, third);
    EXPECT_TRUE(RelativelyNear(c.jp, 0.21289098026261127, kTol));
    EXPECT_TRUE(RelativelyNear(c.yp, -0.28912606746291875, kTol));
    EXPECT_TRUE(RelativelyNear(d.ip, 24.111259920984509, kTol));
    EXPECT_TRUE(RelativelyNear(d.kp, -0.0040930163075670609, kTol));
}

TEST(BesselFractional, GammaChebGivesReciprocalGammas) {
    // 1/Gamma(1.25) and 1/Gamma(0.75).
    const GammaChebValues g = gammacheb(0.25);
    EXPECT_TRUE(RelativelyNear(g.gampl, 1.0 / 0.90640247705547707, 1e-9));
    EXPECT_TRUE(RelativelyNear(g.gammi, 1.0 / 1.2254167024651776, 1e-9));
}

TEST(BesselFractional, BadArgumentsAndLargeArgumentsFail) {
    EXPECT_TRUE(Fails([] { bessjy(0.0, 0.5); }));
    EXPECT_TRUE(Fails([] { bessjy(1.0, -0.5); }));
    EXPECT_TRUE(Fails([] { bessik(-1.0, 0.5); }));
    EXPECT_TRUE(Fails([] { bessik(std::nan(""), 0.5); }));
    // CF1 needs about x iterations: beyond 10000 it gives up.
    EXPECT_TRUE(Fails([] { bessjy(50000.0, 1.0 / 3.0); }));
    // The I/K fraction converges there, but I_nu overflows.
    EXPECT_FALSE(std::isfinite(bessik(50000.0, 1.0 / 3.0).i));
    EXPECT_TRUE(Fails([] { bessjy(std::numeric_limits<double>::infinity(), 0.5); }));
    // An order recurrence beyond the limit is refused, not run.
    EXPECT_TRUE(Fails([] { bessjy(1.0, 3e9); }));
    EXPECT_TRUE(Fails([] { bessik(1.0, 3e9); }));
}

TEST(BesselFractional, DeepRecurrenceUnderflowsToZeroInsteadOfNaN) {
    // J_300.5(1) is about 1e-770: the downward recurrence passes the largest
    // double on its way and is rescaled.
    errno = 0;
    const BesselJYValues v = bessjy(1.0, 300.5);
    EXPECT_EQ(v.j, 0.0);
    EXPECT_FALSE(std::isfinite(v.y));
    const BesselIKValues w = bessik(1.0, 300.5);
    EXPECT_EQ(w.i, 0.0);
}

TEST(SphericalBessel, MatchesReferenceValues) {
    struct Case {
        int n;
        double x, j, y;
    };
    constexpr Case kCases[] = {
        {0, 0.5, 0.95885107720840601, -1.7551651237807455},
        {1, 1, 0.3011686789397568, -1.3817732906760363},
        {2, 3, 0.29863749707573356, -0.26703833526449916},
        {5, 10, -0.055534511621452183, 0.093833541678691804},
        {3, 50, 0.01981259459566375, -0.0029024095417214133},
    };
    // The stored sqrt(pi/2) = 1.2533141 costs about 3e-8.
    for (const Case& c : kCases) {
        const SphericalBesselValues v = sphbes(c.n, c.x);
        EXPECT_TRUE(RelativelyNear(v.j, c.j, 1e-7)) << "j" << c.n << "(" << c.x << ")";
        EXPECT_TRUE(RelativelyNear(v.y, c.y, 1e-7)) << "y" << c.n << "(" << c.x << ")";
    }
    for (double x : {0.1, 1.0, 7.0, 30.0})
        EXPECT_TRUE(RelativelyNear(sphbes(0, x).j, std::sin(x) / x, 5e-8)) << x;
}

TEST(SphericalBessel, TinyArgumentsUseLeadingTerms) {
    // The general routine's series cancels for such x (j_0(1e-25) came out
    // 1.147 before the leading-term branch).
    EXPECT_EQ(sphbes(0, 1e-25).j, 1.0);
    EXPECT_TRUE(RelativelyNear(sphbes(0, 1e-25).y, -1e25, 1e-15));
    EXPECT_TRUE(RelativelyNear(sphbes(2, 1e-9).j, 6.6666666666666673e-20, 1e-15));
    EXPECT_TRUE(RelativelyNear(sphbes(2, 1e-9).y, -2.9999999999999992e+27, 1e-15));
    EXPECT_TRUE(RelativelyNear(sphbes(1, 1e-300).j, 1e-300 / 3.0, 1e-15));
    EXPECT_FALSE(std::isfinite(sphbes(1, 1e-300).y));
}

TEST(SphericalBessel, BadArgumentsAndHugeOrders) {
    EXPECT_TRUE(Fails([] { sphbes(0, 0.0); }));
    EXPECT_TRUE(Fails([] { sphbes(-1, 1.0); }));
    const int huge = std::numeric_limits<int>::max();
    errno = 0;
    const SphericalBesselValues v = sphbes(huge, 1.0);
    EXPECT_EQ(errno, 0);
    EXPECT_EQ(v.j, 0.0);
    EXPECT_FALSE(std::isfinite(v.y));
    EXPECT_TRUE(Fails([&] { sphbes(huge, 3e9); }));
    // Order 1000 at x = 1 underflows; the routine must not give NaN.
    EXPECT_EQ(sphbes(1000, 1.0).j, 0.0);
}

TEST(Airy, MatchesReferenceValues) {
    struct Case {
        double x, ai, bi;
    };
    constexpr Case kCases[] = {
        {-30, -0.087968188456842164, -0.22444694220056632},
        {-10, 0.04024123848644319, -0.31467982964383862},
        {-2.5, -0.11232506769296609, -0.43242247184070531},
        {-1, 0.53556088329235207, 0.10399738949694461},
        {-0.3, 0.43090309528558085, 0.47797784010989297},
        {0.001, 0.35476923454317422, 0.61537491590587967},
        {0.3, 0.2788064819550049, 0.75248558508731567},
        {1, 0.13529241631288141, 1.2074235949528713},
        {2.5, 0.015725923380470491, 6.4816607384605787},
        {10, 1.1047532552898686e-10, 455641153.54822516},
        {30, 3.2082175915504954e-49, 9.057288512151307e+46},
    };
    // The stored 1/sqrt(3) = 0.57735027 limits the accuracy to about 1e-8.
    for (const Case& c : kCases) {
        const AiryValues v = airyfn(c.x);
        EXPECT_TRUE(RelativelyNear(v.ai, c.ai, 2e-8)) << "Ai(" << c.x << ")";
        EXPECT_TRUE(RelativelyNear(v.bi, c.bi, 2e-8)) << "Bi(" << c.x << ")";
    }
}

TEST(Airy, ZeroIsFixedAndHugeArgumentsFail) {
    EXPECT_EQ(airyfn(0.0).ai, 0.35502805);
    EXPECT_EQ(airyfn(0.0).bi, 0.6149266198489869);
    // z = (2/3)|x|^1.5 underflows: not a failure, Ai and Bi are flat there.
    for (double x : {1e-250, -1e-250, 5e-324}) {
        errno = 0;
        EXPECT_EQ(airyfn(x).ai, 0.35502805) << x;
        EXPECT_EQ(airyfn(x).bi, 0.6149266198489869) << x;
        EXPECT_EQ(errno, 0);
    }
    EXPECT_TRUE(RelativelyNear(airyfn(1e-150).ai, 0.35502805388781724, 2e-8));
    EXPECT_TRUE(Fails([] { airyfn(-1e308); }));
    EXPECT_TRUE(Fails([] { airyfn(1e308); }));
    EXPECT_TRUE(Fails([] { airyfn(-1000.0); }));  // z = 21082: CF1 gives up
    EXPECT_TRUE(std::isnan(airyfn(std::nan("")).ai));
}
