#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <tuple>
#include <vector>

#include "numeric/AdaptiveIntegral.h"
#include "numeric/CompensatedSum.h"
#include "numeric/RootFinding.h"
#include "numeric/ScaledDerivative.h"
#include "SampledFunction.h"

// The failure paths and bounds of the integration and differentiation
// behind FINT and FDIFF, Brent's pole check, and the compensated sums; the
// accuracy of the answers is checked against mpmath in the engine tests.

using namespace quorvix::numeric;

namespace {

using Sampled = SampledFunction;

double Integrate(Sampled& s, double a, double b, double tol = 0.0) {
    errno = 0;
    return AdaptiveIntegral(MakeSolverCallback(s), a, b, tol);
}

double Derivative(Sampled& s, double x) {
    errno = 0;
    return ScaledDerivative(MakeSolverCallback(s), x);
}

double InverseSqrt(double x) { return 1.0 / std::sqrt(x); }
double Inverse(double x) { return 1.0 / x; }
double Square(double x) { return x * x; }
double Log(double x) { return std::log(x); }
double Tangent(double x) { return std::tan(x); }
double PoleAtOne(double x) { return 1.0 / (x - 1.0); }

}  // namespace

TEST(AdaptiveIntegral, NeverSamplesTheEnds) {
    Sampled s{InverseSqrt};
    s.failAtPoint = true;
    s.failX = 0.0;
    EXPECT_NEAR(Integrate(s, 0.0, 1.0), 2.0, 1e-12);
    EXPECT_EQ(errno, 0);
}

TEST(AdaptiveIntegral, ReversedBoundsNegate) {
    Sampled s{Square};
    EXPECT_NEAR(Integrate(s, 3.0, 0.0), -9.0, 1e-14);
    EXPECT_EQ(Integrate(s, 2.0, 2.0), 0.0);
}

TEST(AdaptiveIntegral, FailingSampleStopsAtOnce) {
    Sampled s{Square};
    s.failOnCall = 10;
    EXPECT_EQ(Integrate(s, 0.0, 100.0), 0.0);
    EXPECT_EQ(errno, EDOM);
    EXPECT_EQ(s.calls, 10);
}

TEST(AdaptiveIntegral, DivergentIntegralFailsWithinTheSampleBound) {
    Sampled s{Inverse};
    EXPECT_EQ(Integrate(s, 0.0, 1.0), 0.0);
    EXPECT_EQ(errno, EDOM);
    EXPECT_LE(s.calls, 2 * kMaxIntegralSamples);
}

TEST(ScaledDerivative, FailuresReportEdom) {
    Sampled atX{Square};
    atX.failAtPoint = true;
    atX.failX = 1.0;
    EXPECT_EQ(Derivative(atX, 1.0), 0.0);
    EXPECT_EQ(errno, EDOM);
    EXPECT_EQ(atX.calls, 1);
}

TEST(ScaledDerivative, ShrinksTheStepPastFailuresAndPoles) {
    // LN fails below 0, so the first steps (0.1, 0.01) at 0.005 fail.
    Sampled log{Log};
    EXPECT_NEAR(Derivative(log, 0.005), 200.0, 200.0 * 1e-12);
    EXPECT_EQ(errno, 0);
    // The pole at 1 lies within the first step at 1.05.
    Sampled pole{PoleAtOne};
    EXPECT_NEAR(Derivative(pole, 1.05), -400.0, 400.0 * 1e-12);
    // Samples that would fail above 1.2 are never needed at 1.
    Sampled bounded{Square};
    bounded.failAbove = 1.2;
    EXPECT_NEAR(Derivative(bounded, 1.0), 2.0, 1e-13);
}

TEST(Brent, SignChangeAcrossAPoleIsNoRoot) {
    for (auto [fn, a, b] : {std::tuple{&Tangent, 1.0, 2.0}, {&PoleAtOne, 0.5, 2.0}}) {
        Sampled f{fn};
        bool failed = false;
        errno = 0;
        EXPECT_EQ(zbrent(MakeSolverCallback(f), a, b, 1e-10, &failed), 0.0);
        EXPECT_TRUE(failed);
        EXPECT_EQ(errno, EDOM);
    }
    Sampled root{Tangent};
    EXPECT_NEAR(zbrent(MakeSolverCallback(root), 3.0, 3.5, 1e-12), M_PI, 1e-12);
}

TEST(CompensatedSum, KeepsWhatPlainAdditionLoses) {
    struct Case {
        std::vector<double> values;
        double sum, mean;
    };
    const Case cases[] = {
        {{0.1, 0.2, 0.3}, 0.6, 0.2},  // plain addition: 0.6000000000000001
        {{1.0, 1e100, 1.0, -1e100}, 2.0, 0.5},
        {{1e308, 1e308, -1e308}, 1e308, 1e308 / 3.0},
        {{1e308, 1e308}, INFINITY, 1e308},
        {{-1.7e308, -1.7e308, -1.7e308}, -INFINITY, -1.7e308},
    };
    for (const Case& c : cases) {
        const int n = static_cast<int>(c.values.size());
        EXPECT_EQ(CompensatedSum(c.values.data(), n), c.sum) << c.values[0];
        EXPECT_EQ(CompensatedMean(c.values.data(), n), c.mean) << c.values[0];
    }
}
