#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "SpecialFunctionTestSupport.h"
#include "numeric/BesselIK.h"
#include "numeric/BesselJY.h"

using namespace quorvix::numeric;
using quorvix::numeric::testing::Fails;
using quorvix::numeric::testing::RelativelyNear;

namespace {

struct Case {
    int n;
    double x;
    double want;
};

// Reference values computed to 40 digits outside the project.
constexpr Case kJ[] = {
    {0, 0.5, 0.93846980724081286},    {0, 3, -0.26005195490193345},
    {0, 7.99, 0.17399001312793258},   {0, 8, 0.1716508071375539},
    {0, 20, 0.16702466434058316},     {0, -9.5, -0.19392874768742235},
    {1, 0.5, 0.2422684576748739},     {1, 3, 0.33905895852593648},
    {1, 10, 0.043472746168861438},    {1, -2.5, -0.49709410246427405},
    {2, 1, 0.11490348493190047},      {5, 10, -0.23406152818679363},
    {20, 10, 1.1513369247813398e-05}, {3, -2, -0.12894324947440206},
    {50, 60, -0.13798273148535212},   {100, 30, 4.5788015281752443e-42},
};
constexpr Case kY[] = {
    {0, 0.5, -0.44451873350670656}, {0, 3, 0.37685001001279039},
    {0, 10, 0.055671167283599395},  {1, 0.5, -1.4714723926702431},
    {1, 7, -0.30266723702418485},   {1, 12, -0.05709921826089652},
    {2, 1, -1.6506826068162543},    {5, 4, -0.79585142111420004},
    {10, 30, 0.075056702122397109},
};
constexpr Case kI[] = {
    {0, 0.5, 1.0634833707413236},   {0, 3.7, 8.7386175241693973},
    {0, 10, 2815.7166284662544},    {0, -2, 2.2795853023360673},
    {1, 1, 0.56515910399248503},    {1, 5, 24.335642142450528},
    {1, -5, -24.335642142450528},   {2, 1, 0.13574766976703828},
    {3, 100, 1.0262740175651901e+42}, {5, 2, 0.0098256793231317023},
    {10, 0.5, 2.6430419258812794e-13}, {3, -1.5, -0.080774113016092303},
};
constexpr Case kK[] = {
    {0, 0.5, 0.92441907122766587},  {0, 2, 0.11389387274953344},
    {0, 3, 0.034739504386279249},   {1, 0.5, 1.6564411200033009},
    {1, 2.5, 0.073890816347747065}, {2, 1, 1.6248388986351774},
    {5, 4, 0.15434254872599718},    {10, 20, 6.3162145283215796e-09},
    {1000, 800, 2.1873066580240859e-103},
};

// The order-0 and order-1 approximations are good to about eight digits;
// the recurrences carry that error on (more near a zero of the function).
constexpr double kTol = 1e-6;

}  // namespace

TEST(BesselIntegerOrder, JMatchesReferenceValues) {
    for (const Case& c : kJ) {
        errno = 0;
        EXPECT_TRUE(RelativelyNear(bessj(c.n, c.x), c.want, kTol)) << "J" << c.n << "(" << c.x << ")";
        EXPECT_EQ(errno, 0);
    }
}

TEST(BesselIntegerOrder, YIKMatchReferenceValues) {
    for (const Case& c : kY)
        EXPECT_TRUE(RelativelyNear(bessy(c.n, c.x), c.want, kTol)) << "Y" << c.n << "(" << c.x << ")";
    for (const Case& c : kI)
        EXPECT_TRUE(RelativelyNear(bessi(c.n, c.x), c.want, kTol)) << "I" << c.n << "(" << c.x << ")";
    for (const Case& c : kK)
        EXPECT_TRUE(RelativelyNear(bessk(c.n, c.x), c.want, kTol)) << "K" << c.n << "(" << c.x << ")";
}

TEST(BesselIntegerOrder, ValuesAtZeroAndSymmetry) {
    EXPECT_EQ(bessj(0, 0.0), 57568490574.0 / 57568490411.0);
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

TEST(BesselIntegerOrder, BothRecurrenceBranchesAgreeAcrossTheSwitch) {
    // x just above and below n use upward and downward recurrence.
    const double up = bessj(10, 10.000001);
    const double down = bessj(10, 10.0);
    EXPECT_NEAR(up, down, 1e-6);
}

TEST(BesselIntegerOrder, HugeOrdersReturnAtOnceWithUnderflowOrFailure) {
    const int huge = std::numeric_limits<int>::max();
    const auto start = std::chrono::steady_clock::now();
    // Far below the smallest double: the value the recurrence tends to.
    EXPECT_FALSE(Fails([&] { EXPECT_EQ(bessj(huge, 1.0), 0.0); }));
    EXPECT_FALSE(Fails([&] { EXPECT_EQ(bessj(huge, 1e9), 0.0); }));
    EXPECT_FALSE(Fails([&] { EXPECT_EQ(bessi(huge, 1.0), 0.0); }));
    EXPECT_FALSE(Fails([&] { EXPECT_EQ(bessk(huge, 1e12), 0.0); }));
    // Out of reach of the recurrence: a failure, never a made-up value.
    EXPECT_TRUE(Fails([&] { bessj(huge, 3e9); }));
    // Far beyond the order, the large-argument form answers (reference:
    // sqrt(2/(pi x)) cos(x - (2n+1) pi/4) at 420 digits with bc).
    EXPECT_FALSE(Fails([&] {
        EXPECT_TRUE(RelativelyNear(bessj(huge, 1e308), -7.5866879552418009e-155, 1e-14));
        EXPECT_TRUE(RelativelyNear(bessy(huge, 1e308), -2.4706564120790078e-155, 1e-14));
    }));
    EXPECT_TRUE(Fails([&] { bessy(huge, 1.0); }));
    EXPECT_TRUE(Fails([&] { bessk(huge, 1.0); }));
    EXPECT_TRUE(Fails([&] { bessi(huge, 3e9); }));
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 5.0);  // generous: a hang, not a speed target
}

bool neverStop() { return false; }
bool stopNow() { return true; }

TEST(BesselIntegerOrder, OrdersAboveAMillionRecurWhenTheyCanBeStopped) {
    // References from the Debye expansion of J_n(n sec b) and Y_n(n sec b)
    // through the n^-3 terms, evaluated with bc at 60 digits (the omitted
    // terms are near 1e-24 here; at n = 50 the same code agrees with the
    // power series to 4e-8, as the n^-4 term predicts).
    const struct {
        int n;
        double x, j, y;
    } cases[] = {
        {1000001, 1e7, -2.48602186919938575e-4, 4.66866985556603533e-5},
        {1000001, 1.5e6, 4.78824227076293525e-4, 5.83213382756964395e-4},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Fails([&] {
            EXPECT_TRUE(RelativelyNear(bessj(c.n, c.x, neverStop), c.j, 1e-8));
            EXPECT_TRUE(RelativelyNear(bessy(c.n, c.x, neverStop), c.y, 1e-8));
        }));
        EXPECT_TRUE(Fails([&] { bessj(c.n, c.x); }));  // nothing to stop it: refused
    }
    // A stop request ends them (after the first block of steps).
    EXPECT_TRUE(Fails([] { bessj(std::numeric_limits<int>::max(), 3e9, stopNow); }));
    EXPECT_TRUE(Fails([] { bessy(std::numeric_limits<int>::max(), 3e9, stopNow); }));
    EXPECT_FALSE(Fails([] { bessj(1000, 2000, stopNow); }));  // short: not asked
    // Y overflows where the order outgrows x, and stops there.
    EXPECT_FALSE(std::isfinite(bessy(std::numeric_limits<int>::max(), 100.0, neverStop)));
}

TEST(BesselIntegerOrder, TinyArgumentsUnderflowInsteadOfOverflowing) {
    // Miller's recurrence with tox = 2e20 would overflow to NaN.
    EXPECT_FALSE(Fails([] { EXPECT_EQ(bessj(50, 1e-20), 0.0); }));
    EXPECT_FALSE(Fails([] { EXPECT_EQ(bessi(5, 1e-200), 0.0); }));
    // Representable values that the recurrence cannot reach either.
    EXPECT_TRUE(RelativelyNear(bessj(2, 1e-150), 1.25e-301, 1e-14));
    EXPECT_TRUE(RelativelyNear(bessj(3, -1e-100), -(5e-101 * 5e-101 * 5e-101) / 6.0, 1e-14));
    EXPECT_TRUE(RelativelyNear(bessi(3, -1e-100), -(5e-101 * 5e-101 * 5e-101) / 6.0, 1e-14));
    EXPECT_TRUE(RelativelyNear(bessi(2, 2e-9), 5e-19, 1e-14));
    // Just above the leading-term range the recurrence still agrees.
    EXPECT_TRUE(RelativelyNear(bessj(2, 1.0001e-8), 1.0001e-8 * 1.0001e-8 / 8.0, 1e-6));
}

TEST(BesselIntegerOrder, KOfLargeArgumentKeepsItsScale) {
    // K_0 and K_1 underflow beyond x = 745; higher orders need not.
    EXPECT_EQ(bessk(2, 800.0), 0.0);
    EXPECT_TRUE(RelativelyNear(bessk(5, 701.0), 1.7475530813465917e-306, 1e-6));
    EXPECT_TRUE(RelativelyNear(bessk(300, 720.0), 5.3658933942567698e-288, 1e-6));
    EXPECT_FALSE(std::isfinite(bessk(1000000, 800.0)));
}
