#pragma once
// Samples a function of t for drawing across a plot area: at least one
// sample per pixel column, more where the curve bends, and a break in the
// line (a point whose y is NaN) wherever f fails, is not finite, or jumps
// (a pole or a step) - so a pole's +inf is never joined to its -inf.
//
// How a jump is told from a steep but continuous stretch: the interval is
// halved towards its larger rise; a continuous curve's rise shrinks below a
// pixel within a few halvings, a pole's or step's never does. The work is
// bounded per pixel column and in all, so SIN(1/t) near 0 costs at most a
// fixed multiple of the width; a cancel request (engine/Cancellation.h)
// stops sampling at once.

#include <vector>

#include "calculator/plot/PlotView.h"

namespace quorvix {

// The function to sample.
class PlotFunction {
public:
    virtual ~PlotFunction() = default;
    // f(t) into y; false when f fails at t or its value is not finite.
    virtual bool Sample(double t, double& y) = 0;
};

struct CurvePoint {
    double t;
    double y;  // NaN: the line breaks here
};

struct Curve {
    // In ascending t; consecutive finite points are joined by a line.
    std::vector<CurvePoint> points;
    int samples = 0;         // evaluations of f made
    bool cancelled = false;  // a cancel request stopped the sampling
};

struct SamplingLimits {
    int extraPerPixel = 64;  // evaluations beyond the grid, per pixel column
    int extraInAll = 24;     // ... and in all, times the width in pixels
};

// Samples f across the view's t range at the view's scale. Values of t in
// mustInclude that lie in the range are sampled exactly (the ends of an
// integral, a root).
Curve SampleCurve(PlotFunction& f, const PlotView& view,
                  const std::vector<double>& mustInclude = {}, SamplingLimits limits = {});

// The number of joined pieces of a curve (runs of finite points).
int CountPieces(const Curve& curve);

}  // namespace quorvix
