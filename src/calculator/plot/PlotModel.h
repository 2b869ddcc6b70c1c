#pragma once
// One plot window's logic: the expression, the view, the sampled curve, the
// ticks, the solver overlay and the read-out under the mouse. The window
// calls Open once, then Resample whenever the view changed (both evaluate
// f, so the window runs them as a cancellable evaluation); everything else
// only reads what they left.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/plot/CurveSampler.h"
#include "calculator/plot/PlotExpression.h"
#include "calculator/plot/PlotTicks.h"
#include "calculator/plot/PlotView.h"
#include "calculator/plot/SolverOverlay.h"

namespace quorvix {

class Evaluator;

// An FSUM term inside the view.
struct PlotStem {
    double t;
    double y;  // NaN where f fails
};

class PlotModel {
public:
    PlotModel(const Evaluator& calculator, PlotNumberFormat format);

    // Parses the line's text; the calculator's message when it cannot be
    // plotted. Then, once the area is known, call Compute.
    std::optional<std::string> Open(std::string_view lineText);
    // Runs the solver, chooses the home range (t from the line, f(t) from a
    // first look at the curve) and samples. False when cancelled.
    bool Compute();
    // Samples the curve (and the FSUM stems) for the current view. False
    // when cancelled: the curve so far is kept.
    bool Resample();

    const std::string& title() const { return title_; }
    PlotView& view() { return view_; }
    const PlotView& view() const { return view_; }
    const Curve& curve() const { return curve_; }
    const SolverOverlay& overlay() const { return overlay_; }
    const std::vector<PlotStem>& stems() const { return stems_; }
    const PlotNumberFormat& format() const { return format_; }

    // Ticks for an axis of the given length in pixels, about one per
    // `spacing` pixels.
    AxisTicks TTicks(double spacing) const;
    AxisTicks YTicks(double spacing) const;
    std::string TickLabel(double value, double step) const;

    // The sample of the curve nearest to pixel column px, as "t = ...
    // f(t) = ..." in the calculator's number format; empty off the curve.
    std::string ReadoutAt(double px) const;
    // That sample, when there is one within two pixels (its y is NaN where
    // f failed).
    std::optional<CurvePoint> SampleNear(double px) const;

    // The t range typed by the user (any expressions); the message when an
    // end fails. Rescale follows.
    std::optional<std::string> SetTRange(std::string_view low, std::string_view high);
    // Chooses the f(t) range afresh for the t range shown, then samples.
    // False when cancelled.
    bool Rescale();

private:
    PlotRange AutoRange(double tLow, double tHigh);
    void SampleStems();

    std::unique_ptr<PlotExpression> expression_;
    PlotNumberFormat format_;
    std::string title_;
    PlotView view_;
    Curve curve_;
    SolverOverlay overlay_;
    std::vector<PlotStem> stems_;
};

// The f(t) range that shows values well: their spread without far
// outliers (poles), widened a little; `include` values (0 under an area,
// a tangent's point) are always inside.
void ChooseYRange(std::vector<double> values, const std::vector<double>& include, double& low,
                  double& high);

}  // namespace quorvix
