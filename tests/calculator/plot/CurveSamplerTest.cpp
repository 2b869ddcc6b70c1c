// Sampling through the engine: breaks at poles, steps and where f fails,
// never a line joining the two sides of a pole, and a bounded number of
// evaluations however wildly f oscillates.
#include <gtest/gtest.h>

#include <cmath>

#include "calculator/plot/CurveSampler.h"
#include "calculator/plot/PlotExpression.h"
#include "engine/Evaluator.h"

namespace quorvix {
namespace {

constexpr int kWidth = 800;

PlotView ViewOf(double tLow, double tHigh, double yLow, double yHigh) {
    PlotView view;
    view.SetArea(kWidth, 400);
    view.SetRange({tLow, tHigh, yLow, yHigh});
    return view;
}

Curve Sample(const char* text, const PlotView& view, AngleUnit unit = 1) {
    Evaluator calculator;
    calculator.setAngleUnit(unit);
    PlotExpression f(calculator);
    EXPECT_FALSE(f.Parse(text).has_value()) << text;
    return SampleCurve(f, view);
}

// Consecutive finite points on opposite sides of a pole both far off the
// view: a line that would join +inf to -inf.
bool JoinsAcrossAPole(const Curve& curve, double far) {
    for (std::size_t i = 1; i < curve.points.size(); ++i) {
        const CurvePoint& a = curve.points[i - 1];
        const CurvePoint& b = curve.points[i];
        if (std::isnan(a.y) || std::isnan(b.y)) continue;
        if (std::fabs(a.y) > far && std::fabs(b.y) > far && (a.y > 0) != (b.y > 0)) return true;
    }
    return false;
}

struct BreakCase {
    const char* f;
    double tLow, tHigh;
    int pieces;
};

TEST(CurveSampler, BreaksAtPolesStepsAndFailures) {
    const BreakCase cases[] = {
        {"TAN(t)", -10, 10, 7},  // poles at odd multiples of pi/2
        {"TAN(t)", -1, 1, 1},
        {"1/t", -1, 1, 2},
        {"1/t^2", -1, 1, 2},
        {"SQRT(t)", -1, 1, 1},
        {"FLOOR(t)", -2.5, 2.5, 6},
        {"ATAN(1000*t)", -1, 1, 1},  // steep but continuous
        {"SIN(t)", -10, 10, 1},
    };
    for (const BreakCase& c : cases) {
        SCOPED_TRACE(c.f);
        const Curve curve = Sample(c.f, ViewOf(c.tLow, c.tHigh, -5, 5));
        EXPECT_EQ(CountPieces(curve), c.pieces);
        EXPECT_FALSE(JoinsAcrossAPole(curve, 50.0));
        EXPECT_FALSE(curve.cancelled);
    }
}

TEST(CurveSampler, ReachesTheEdgeOfTheDomain) {
    const Curve curve = Sample("SQRT(t)", ViewOf(-1, 1, -5, 5));
    double firstFinite = HUGE_VAL;
    for (const CurvePoint& p : curve.points)
        if (!std::isnan(p.y)) firstFinite = std::min(firstFinite, p.t);
    EXPECT_GE(firstFinite, 0.0);
    EXPECT_LT(firstFinite, 2.0 / kWidth / 1000);  // within a thousandth of a pixel
    // Nothing is drawn where f fails.
    for (const CurvePoint& p : curve.points)
        if (p.t < 0) {
            EXPECT_TRUE(std::isnan(p.y)) << p.t;
        }
}

TEST(CurveSampler, PointsAscendAndSmoothCurvesNeedFewExtraSamples) {
    const Curve curve = Sample("SIN(t)*EXP(-t/5)", ViewOf(-10, 10, -8, 8));
    for (std::size_t i = 1; i < curve.points.size(); ++i)
        ASSERT_LT(curve.points[i - 1].t, curve.points[i].t);
    EXPECT_GE(curve.samples, kWidth + 1);
    EXPECT_LT(curve.samples, 3 * (kWidth + 1));
}

TEST(CurveSampler, WildOscillationStaysBounded) {
    const SamplingLimits limits;
    for (const char* f : {"SIN(1/t)", "TAN(1/t)"}) {
        SCOPED_TRACE(f);
        Evaluator calculator;
        PlotExpression expression(calculator);
        ASSERT_FALSE(expression.Parse(f).has_value());
        const Curve curve = SampleCurve(expression, ViewOf(-1, 1, -1.5, 1.5), {}, limits);
        EXPECT_GT(curve.samples, 2 * kWidth);  // it did refine near 0
        EXPECT_LE(curve.samples, kWidth + 1 + limits.extraInAll * kWidth);
    }
}

TEST(CurveSampler, UsesTheAngleUnit) {
    // In degrees TAN has its poles at 90 and 270 only.
    const Curve curve = Sample("TAN(t)", ViewOf(-45, 300, -5, 5), 0);
    EXPECT_EQ(CountPieces(curve), 3);
}

}  // namespace
}  // namespace quorvix
