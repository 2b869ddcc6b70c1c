#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>

#include "numeric/Differentiation.h"
#include "SampledFunction.h"

using namespace quorvix::numeric;

namespace {

using Fn = SampledFunction;

double Derivative(Fn& f, double x, double h, double* errOut = nullptr) {
    SolverCallback cb = MakeSolverCallback(f);
    double err = 0.0;
    errno = 0;
    const double d = dfridr(cb, x, h, err);
    if (errOut) *errOut = err;
    return d;
}

double Square(double x) { return x * x; }
double Cube(double x) { return x * x * x; }
double HugeCube(double x) { return 1e40 * x * x * x; }
double Exp(double x) { return std::exp(x); }
double Sine(double x) { return std::sin(x); }
double Log(double x) { return std::log(x); }

}  // namespace

TEST(Ridders, QuadraticIsExactAfterTheSecondStep) {
    for (double x : {-3.0, 0.0, 0.5, 7.25}) {
        Fn f{Square};
        EXPECT_NEAR(Derivative(f, x, 1.0), 2.0 * x, 1e-13 * (1 + std::fabs(x))) << x;
        EXPECT_EQ(errno, 0);
        // Every central difference of a quadratic is exact up to rounding,
        // so the tableau stops after two or three steps.
        EXPECT_LE(f.calls, 6) << x;
    }
}

TEST(Ridders, SmoothFunctionsToNearMachinePrecision) {
    Fn cube{Cube};
    EXPECT_NEAR(Derivative(cube, 2.0, 1.0), 12.0, 1e-11);
    Fn e{Exp};
    double err = 0;
    EXPECT_NEAR(Derivative(e, 1.0, 1.0, &err), std::exp(1.0), 1e-11);
    EXPECT_LT(err, 1e-9);
    Fn s{Sine};
    EXPECT_NEAR(Derivative(s, 0.3, 1.0), std::cos(0.3), 1e-11);
}

TEST(Ridders, HugeScaleStillGivesTheDerivative) {
    // Every error estimate exceeds 1e30 here; the derivative is 3e40.
    Fn f{HugeCube};
    const double d = Derivative(f, 1.0, 1.0);
    EXPECT_EQ(errno, 0);
    EXPECT_NEAR(d / 3e40, 1.0, 1e-10);
}

TEST(Ridders, ZeroStepFails) {
    Fn f{Square};
    EXPECT_EQ(Derivative(f, 1.0, 0.0), 0.0);
    EXPECT_EQ(errno, EDOM);
    EXPECT_EQ(f.calls, 0);
}

TEST(Ridders, FailingSampleFailsAtOnce) {
    for (long failing : {1L, 2L, 4L, 9L}) {
        Fn f{Log};
        f.failOnCall = failing;
        EXPECT_EQ(Derivative(f, 3.0, 1.0), 0.0) << failing;
        EXPECT_EQ(errno, EDOM) << failing;
        EXPECT_EQ(f.calls, failing) << failing;  // no sample after the failure
    }
}
