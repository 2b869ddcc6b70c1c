#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>

#include "numeric/Integration.h"
#include "numeric/IntegrationExtrapolation.h"
#include "SampledFunction.h"

using namespace quorvix::numeric;

namespace {

using Sampled = SampledFunction;

double Square(double x) { return x * x; }
double Identity(double x) { return x; }
double Gaussian(double x) { return std::exp(-x * x); }
double Lorentz(double x) { return 1.0 / (1.0 + x * x); }
double Sine(double x) { return std::sin(x); }
double Jagged(double x) { return std::fabs(std::sin(100.0 * x)) > 0.5 ? 1.0 : -1.0; }

double Integrate(Sampled& s, double a, double b, double tol = 0.0) {
    errno = 0;
    SolverCallback cb = MakeSolverCallback(s);
    return qromb(cb, a, b, tol);
}

}  // namespace

TEST(Romberg, EmptyIntervalIsZeroAfterFiveStages) {
    Sampled s{Square};
    EXPECT_EQ(Integrate(s, 2.0, 2.0), 0.0);
    EXPECT_EQ(errno, 0);
    // Stages 1..5 use 2 + 1 + 2 + 4 + 8 samples.
    EXPECT_EQ(s.calls, 17);
}

TEST(Romberg, PolynomialsConvergeAtFirstExtrapolation) {
    Sampled sq{Square};
    EXPECT_NEAR(Integrate(sq, 0.0, 3.0), 9.0, 1e-14);
    EXPECT_EQ(errno, 0);
    EXPECT_EQ(sq.calls, 17);

    Sampled lin{Identity};
    EXPECT_NEAR(Integrate(lin, 0.0, 1.0), 0.5, 1e-15);
    // Reversed limits change the sign.
    EXPECT_NEAR(Integrate(lin, 1.0, 0.0), -0.5, 1e-15);
}

TEST(Romberg, SmoothIntegrandsMatchReferenceValues) {
    Sampled sine{Sine};
    EXPECT_NEAR(Integrate(sine, 0.0, M_PI, 1e-12), 2.0, 2e-12);
    Sampled gauss{Gaussian};
    EXPECT_NEAR(Integrate(gauss, 0.0, 2.0, 1e-12), 0.88208139076242167997, 1e-12);
    Sampled lorentz{Lorentz};
    EXPECT_NEAR(Integrate(lorentz, 0.0, 1.0, 1e-12), 0.78539816339744830962, 1e-12);
    // Default tolerance 1e-8 is relative.
    Sampled gauss2{Gaussian};
    EXPECT_NEAR(Integrate(gauss2, 0.0, 2.0), 0.88208139076242167997, 1e-8);
}

TEST(Romberg, ToleranceRule) {
    EXPECT_EQ(SolverTolerance(1e-10), 1e-10);
    EXPECT_EQ(SolverTolerance(1e-15), 1e-15);
    EXPECT_EQ(SolverTolerance(1e-16), 1e-15);
    EXPECT_EQ(SolverTolerance(1e-300), 1e-15);
    EXPECT_EQ(SolverTolerance(0.0), 1e-8);
    EXPECT_EQ(SolverTolerance(-1.0), 1e-8);
    EXPECT_EQ(SolverTolerance(std::nan("")), 1e-8);

    // A request below 1e-15 integrates like 1e-15, not like the default.
    Sampled tiny{Gaussian}, deflt{Gaussian};
    const double a = Integrate(tiny, 0.0, 2.0, 1e-16);
    const double b = Integrate(deflt, 0.0, 2.0, 1e-15);
    EXPECT_EQ(a, b);
    EXPECT_EQ(tiny.calls, deflt.calls);
}

TEST(Romberg, FailingEndPointFailsAtStageOne) {
    Sampled s{Square};
    s.failAtPoint = true;
    s.failX = 1.0;
    EXPECT_EQ(Integrate(s, 0.0, 1.0), 0.0);
    EXPECT_EQ(errno, EDOM);
    EXPECT_EQ(s.calls, 2);  // f(a) then f(b); nothing after the failure
}

TEST(Romberg, FailingInteriorSampleStopsAtOnce) {
    Sampled s{Square};
    s.failAtPoint = true;
    s.failX = 0.25;  // first sampled at stage 3
    EXPECT_EQ(Integrate(s, 0.0, 1.0), 0.0);
    EXPECT_EQ(errno, EDOM);
    EXPECT_EQ(s.calls, 4);  // 2 + 1 + the failing one
}

TEST(Romberg, NoConvergenceAfterTwentyStages) {
    Sampled s{Jagged};
    EXPECT_EQ(Integrate(s, 0.0, 1.0, 1e-15), 0.0);
    EXPECT_EQ(errno, EDOM);
    EXPECT_EQ(s.calls, (1L << 19) + 1);
}

TEST(Romberg, TrapezoidStagesRefineOneEstimate) {
    Sampled s{Square};
    SolverCallback cb = MakeSolverCallback(s);
    double estimate = 0.0;
    EXPECT_DOUBLE_EQ(trapstage(cb, 0.0, 1.0, 1, estimate), 0.5);
    EXPECT_DOUBLE_EQ(trapstage(cb, 0.0, 1.0, 2, estimate), 0.375);
    EXPECT_DOUBLE_EQ(trapstage(cb, 0.0, 1.0, 3, estimate), 0.34375);
    // A failure leaves the running estimate unchanged.
    s.failAtPoint = true;
    s.failX = 0.125;
    errno = 0;
    EXPECT_EQ(trapstage(cb, 0.0, 1.0, 4, estimate), 0.0);
    EXPECT_EQ(errno, EDOM);
    EXPECT_DOUBLE_EQ(estimate, 0.34375);
}

namespace {

// ∫₀¹ (∫₀ˣ y dy) dx = 1/6, with the inner integral computed per outer sample.
struct Nested {
    int operator()(double x, double& v) {
        Sampled inner{Identity};
        SolverCallback cb = MakeSolverCallback(inner);
        v = qromb(cb, 0.0, x, 1e-12);
        return 0;
    }
};

}  // namespace

TEST(Romberg, IntegralInsideAnIntegrandComputesCorrectly) {
    Nested outer;
    SolverCallback cb = MakeSolverCallback(outer);
    errno = 0;
    EXPECT_NEAR(qromb(cb, 0.0, 1.0, 1e-12), 1.0 / 6.0, 1e-14);
    EXPECT_EQ(errno, 0);
}

TEST(Polint, ExtrapolatesPolynomialsExactly) {
    // y = 3x^2 - 2x + 1 at x = 1..5 (index 0 unused), evaluated at 0.
    const double xa[6] = {0, 1, 2, 3, 4, 5};
    double ya[6] = {0};
    for (int i = 1; i <= 5; ++i) ya[i] = 3 * xa[i] * xa[i] - 2 * xa[i] + 1;
    double y = 0, dy = 0;
    errno = 0;
    polint(xa, ya, 5, 0.0, y, dy);
    EXPECT_NEAR(y, 1.0, 1e-12);
    EXPECT_NEAR(dy, 0.0, 1e-12);
    polint(xa, ya, 5, 2.5, y, dy);
    EXPECT_NEAR(y, 3 * 6.25 - 5 + 1, 1e-12);
    EXPECT_EQ(errno, 0);
}

TEST(Polint, EqualAbscissaeFail) {
    const double xa[4] = {0, 1, 1, 2};
    const double ya[4] = {0, 1, 2, 3};
    double y = 0, dy = 0;
    errno = 0;
    polint(xa, ya, 3, 0.5, y, dy);
    EXPECT_EQ(errno, EDOM);
}
