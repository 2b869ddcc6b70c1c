#include "calculator/plot/PlotModel.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/Cancellation.h"

namespace quorvix {

namespace {

// Samples taken to choose the f(t) range.
constexpr int kFirstLookSamples = 400;
// FSUM terms beyond this many in view are not drawn as stems.
constexpr int kMostStems = 400;
constexpr double kYMargin = 0.08;

// The first point at or after t.
std::vector<CurvePoint>::const_iterator FirstAtOrAfter(const std::vector<CurvePoint>& points,
                                                       double t) {
    return std::lower_bound(points.begin(), points.end(), t,
                            [](const CurvePoint& p, double value) { return p.t < value; });
}

}  // namespace

void ChooseYRange(std::vector<double> values, const std::vector<double>& include, double& low,
                  double& high) {
    values.erase(std::remove_if(values.begin(), values.end(),
                                [](double v) { return !std::isfinite(v); }),
                 values.end());
    if (values.empty()) {
        low = -1.0;
        high = 1.0;
    } else {
        std::sort(values.begin(), values.end());
        const std::size_t n = values.size();
        const double q05 = values[n / 20], q95 = values[n - 1 - n / 20];
        const double spread = q95 - q05;
        // Extremes within a few spreads are a steep curve and shown whole;
        // beyond that they are a pole's and cut off.
        low = values.front() >= q05 - 3 * spread ? values.front() : q05 - spread;
        high = values.back() <= q95 + 3 * spread ? values.back() : q95 + spread;
    }
    for (double v : include) {
        if (!std::isfinite(v)) continue;
        low = std::min(low, v);
        high = std::max(high, v);
    }
    if (high - low <= std::max(std::fabs(high), std::fabs(low)) * 1e-9) {
        // A constant: a unit either side (or its own size, if larger).
        const double half = std::max(1.0, std::fabs(low) * 0.1);
        low -= half;
        high += half;
        return;
    }
    const double margin = (high - low) * kYMargin;
    low -= margin;
    high += margin;
}

PlotModel::PlotModel(const Evaluator& calculator, PlotNumberFormat format)
    : expression_(std::make_unique<PlotExpression>(calculator)), format_(std::move(format)) {}

std::optional<std::string> PlotModel::Open(std::string_view lineText) {
    const std::optional<std::string> text = PlotTextOfLine(lineText);
    if (!text) return std::string("Nothing to plot on this line");
    if (std::optional<std::string> error = expression_->Parse(*text)) return error;
    title_ = *text;
    return std::nullopt;
}

bool PlotModel::Compute() {
    overlay_ = ComputeSolverOverlay(*expression_, format_);
    if (EvaluationCancelRequested()) return false;
    double tLow = 0.0, tHigh = 0.0;
    PlotRangeOfLine(*expression_, tLow, tHigh);
    view_.SetHome(AutoRange(tLow, tHigh));
    view_.Reset();
    return Resample();
}

PlotRange PlotModel::AutoRange(double tLow, double tHigh) {
    std::vector<double> values;
    values.reserve(kFirstLookSamples + 1);
    for (int i = 0; i <= kFirstLookSamples && !EvaluationCancelRequested(); ++i) {
        double y = 0.0;
        if (expression_->Sample(tLow + (tHigh - tLow) * i / kFirstLookSamples, y)) values.push_back(y);
    }
    std::vector<double> include;
    switch (overlay_.kind) {
        case PlotSolver::Fint:
        case PlotSolver::Fsum:
        case PlotSolver::Fzero:
        case PlotSolver::Fzeros: include.push_back(0.0); break;
        case PlotSolver::Fdiff:
            if (overlay_.computed) include.push_back(overlay_.fx);
            break;
        case PlotSolver::None: break;
    }
    PlotRange range;
    range.tLow = tLow;
    range.tHigh = tHigh;
    ChooseYRange(std::move(values), include, range.yLow, range.yHigh);
    return range;
}

bool PlotModel::Resample() {
    std::vector<double> marks;
    if (overlay_.computed) {
        marks = overlay_.roots;
        if (overlay_.kind == PlotSolver::Fint) {
            marks.push_back(overlay_.low);
            marks.push_back(overlay_.high);
        }
        if (overlay_.kind == PlotSolver::Fdiff) marks.push_back(overlay_.x);
    }
    curve_ = SampleCurve(*expression_, view_, marks);
    if (curve_.cancelled) return false;
    SampleStems();
    return !EvaluationCancelRequested();
}

void PlotModel::SampleStems() {
    stems_.clear();
    if (overlay_.kind != PlotSolver::Fsum || !overlay_.computed) return;
    const PlotRange& r = view_.range();
    const double from = std::max(r.tLow, overlay_.low), to = std::min(r.tHigh, overlay_.high);
    if (from > to) return;
    const double first = std::ceil((from - overlay_.low) / overlay_.step);
    const double last = std::floor((to - overlay_.low) / overlay_.step);
    if (last - first + 1 > kMostStems) return;
    for (double k = first; k <= last && !EvaluationCancelRequested(); k += 1.0) {
        const double t = overlay_.low + k * overlay_.step;
        double y = 0.0;
        const bool ok = expression_->Sample(t, y);
        stems_.push_back({t, ok ? y : std::nan("")});
    }
}

AxisTicks PlotModel::TTicks(double spacing) const {
    const int most = static_cast<int>(view_.width() / std::max(spacing, 1.0)) + 1;
    return ChooseTicks(view_.range().tLow, view_.range().tHigh, most);
}

AxisTicks PlotModel::YTicks(double spacing) const {
    const int most = static_cast<int>(view_.height() / std::max(spacing, 1.0)) + 1;
    return ChooseTicks(view_.range().yLow, view_.range().yHigh, most);
}

std::string PlotModel::TickLabel(double value, double step) const {
    return FormatTick(value, step, format_.numberFormat);
}

std::optional<CurvePoint> PlotModel::SampleNear(double px) const {
    const std::vector<CurvePoint>& points = curve_.points;
    if (points.empty()) return std::nullopt;
    const double t = view_.ToT(px);
    auto it = FirstAtOrAfter(points, t);
    // The nearer of the two neighbours.
    if (it == points.end() || (it != points.begin() && t - std::prev(it)->t < it->t - t)) --it;
    if (std::fabs(view_.ToPixelX(it->t) - px) > 2.0) return std::nullopt;
    return *it;
}

std::string PlotModel::ReadoutAt(double px) const {
    if (const std::optional<CurvePoint> near = SampleNear(px)) {
        const std::string text = "t = " + format_.Write(near->t) + "    f(t) = ";
        return text + (std::isnan(near->y) ? std::string("undefined") : format_.Write(near->y));
    }
    // Inside a stretch where f failed at every sample.
    const std::vector<CurvePoint>& points = curve_.points;
    const double t = view_.ToT(px);
    const auto after = FirstAtOrAfter(points, t);
    if (after != points.begin() && after != points.end() && std::isnan(std::prev(after)->y))
        return "t = " + TickLabel(t, view_.TPerPixel()) + "    f(t) = undefined";
    return std::string();
}

std::optional<std::string> PlotModel::SetTRange(std::string_view low, std::string_view high) {
    std::string message;
    const std::optional<double> l = expression_->EvaluateNumber(low, message);
    if (!l) return "From: " + message;
    const std::optional<double> h = expression_->EvaluateNumber(high, message);
    if (!h) return "To: " + message;
    if (!(*h > *l)) return std::string("The range must run from a smaller to a larger t");
    PlotRange r = view_.range();
    r.tLow = *l;
    r.tHigh = *h;
    view_.SetRange(r);
    return std::nullopt;
}

bool PlotModel::Rescale() {
    view_.SetRange(AutoRange(view_.range().tLow, view_.range().tHigh));
    if (EvaluationCancelRequested()) return false;
    return Resample();
}

}  // namespace quorvix
