#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>

#include "numeric/RootFinding.h"
#include "SampledFunction.h"

using namespace quorvix::numeric;

namespace {

using Fn = SampledFunction;

double Root(Fn& f, double a, double b, double tol, bool* failed = nullptr) {
    SolverCallback cb = MakeSolverCallback(f);
    errno = 0;
    return zbrent(cb, a, b, tol, failed);
}

double SquareMinusTwo(double x) { return x * x - 2.0; }
double SquarePlusOne(double x) { return x * x + 1.0; }
double Cosine(double x) { return std::cos(x); }
double WallisCubic(double x) { return (x * x - 2.0) * x - 5.0; }
double Kink(double x) { return x < 0.3 ? -1.0 : 1.0; }
double Linear(double x) { return 2.0 * x - 1.0; }

}  // namespace

TEST(Brent, FindsRootsWithinTolerance) {
    Fn f{SquareMinusTwo};
    EXPECT_NEAR(Root(f, 0.0, 2.0, 0.0), std::sqrt(2.0), 1e-8);
    EXPECT_EQ(errno, 0);
    Fn g{SquareMinusTwo};
    EXPECT_NEAR(Root(g, 0.0, 2.0, 1e-14), std::sqrt(2.0), 1e-14);
    Fn c{Cosine};
    EXPECT_NEAR(Root(c, 0.0, 3.0, 1e-12), M_PI / 2, 1e-12);
    Fn cubic{WallisCubic};
    EXPECT_NEAR(Root(cubic, -2.0, 3.5, 1e-13), 2.0945514815423265915, 1e-13);
    // Reversed bracket works too.
    Fn l{Linear};
    EXPECT_NEAR(Root(l, 4.0, -3.0, 1e-12), 0.5, 1e-12);
}

TEST(Brent, DiscontinuousSignChangeIsLocated) {
    Fn f{Kink};
    EXPECT_NEAR(Root(f, 0.0, 1.0, 1e-10), 0.3, 1e-9);
    EXPECT_EQ(errno, 0);
}

TEST(Brent, ZeroAtAnEndIsReturnedExactly) {
    Fn lower{Linear};
    bool failed = true;
    EXPECT_EQ(Root(lower, 0.5, 3.0, 0.0, &failed), 0.5);
    EXPECT_FALSE(failed);
    EXPECT_EQ(errno, 0);
    EXPECT_EQ(lower.calls, 2);
    Fn upper{Linear};
    EXPECT_EQ(Root(upper, -3.0, 0.5, 0.0), 0.5);
    EXPECT_EQ(upper.calls, 2);
}

TEST(Brent, SameSignAtBothEndsFails) {
    Fn f{SquarePlusOne};
    bool failed = false;
    EXPECT_EQ(Root(f, -1.0, 1.0, 0.0, &failed), 0.0);
    EXPECT_TRUE(failed);
    EXPECT_EQ(errno, EDOM);
    EXPECT_EQ(f.calls, 2);
    Fn g{SquareMinusTwo};
    EXPECT_EQ(Root(g, -1.0, 1.0, 0.0), 0.0);  // both ends negative
    EXPECT_EQ(errno, EDOM);
}

TEST(Brent, FailingSampleFails) {
    Fn f{SquareMinusTwo};
    f.failAbove = 1.2;  // the first interior step lands above
    bool failed = false;
    EXPECT_EQ(Root(f, 0.0, 1.0e9, 0.0, &failed), 0.0);
    EXPECT_TRUE(failed);
    EXPECT_EQ(errno, EDOM);

    Fn atEnd{SquareMinusTwo};
    atEnd.failAbove = 1.0;
    EXPECT_EQ(Root(atEnd, 0.0, 2.0, 0.0), 0.0);
    EXPECT_EQ(errno, EDOM);
    EXPECT_EQ(atEnd.calls, 2);
}

TEST(Brent, StopsAfterOneHundredNewPoints) {
    // A bracket 1e300 wide bisects about 1000 times before it is 1e-8 wide,
    // far beyond the iteration limit.
    Fn f{Kink};
    bool failed = false;
    EXPECT_EQ(Root(f, -1e300, 1e300, 1e-15, &failed), 0.0);
    EXPECT_TRUE(failed);
    EXPECT_EQ(errno, EDOM);
    EXPECT_EQ(f.calls, 102);
}
