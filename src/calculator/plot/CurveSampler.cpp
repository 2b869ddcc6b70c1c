#include "calculator/plot/CurveSampler.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/Cancellation.h"

namespace quorvix {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Bends are followed down to an eighth of a pixel, and refined while the
// middle sample is off the chord by more than a quarter pixel.
constexpr double kFinestBendPixels = 0.125;
constexpr int kMostBendHalvings = 6;
constexpr double kBendPixels = 0.25;
// A rise above this many pixels across the finest interval is looked at as
// a possible jump; one that halves to below kJoinPixels is continuous.
constexpr double kJumpPixels = 3.0;
constexpr double kJoinPixels = 1.0;
// A rise that stays above a pixel over an interval halved this many times
// (a millionth of an eighth of a pixel) is a jump.
constexpr int kMostJumpHalvings = 24;
// Where f starts failing is looked for down to this fraction of a pixel.
constexpr double kEdgePixels = 1.0 / 4096;
// Pixel coordinates are kept within this, so differences stay finite.
constexpr double kFarPixels = 1e12;

struct Sample {
    double t;
    double y;
    bool ok;
};

class Sampler {
public:
    Sampler(PlotFunction& f, const PlotView& view, SamplingLimits limits, int pixels)
        : f_(f),
          view_(view),
          perPixel_(limits.extraPerPixel),
          allLeft_(static_cast<long>(limits.extraInAll) * pixels) {}

    Curve Run(const std::vector<double>& grid) {
        if (grid.empty()) return std::move(curve_);
        Sample p = Evaluate(grid[0]);
        for (std::size_t i = 1; i < grid.size() && !curve_.cancelled; ++i) {
            Sample q = Evaluate(grid[i]);
            if (curve_.cancelled) break;
            Emit(p);
            pixelLeft_ = perPixel_;
            Refine(p, q, 0);
            p = q;
        }
        if (!curve_.cancelled) Emit(p);
        return std::move(curve_);
    }

private:
    Sample Evaluate(double t) {
        if (EvaluationCancelRequested()) {
            curve_.cancelled = true;
            return {t, kNaN, false};
        }
        ++curve_.samples;
        double y = 0.0;
        const bool ok = f_.Sample(t, y) && std::isfinite(y);
        return {t, ok ? y : kNaN, ok};
    }

    // An evaluation beyond the grid, if the limits allow one. Following a
    // bend counts against the pixel column's allowance and the whole one;
    // telling a jump from a steep rise only against the whole.
    bool Affordable(bool bend = true) {
        if (curve_.cancelled || allLeft_ <= 0 || (bend && pixelLeft_ <= 0)) return false;
        if (bend) --pixelLeft_;
        --allLeft_;
        return true;
    }

    double PixelY(const Sample& s) const {
        return std::clamp(view_.ToPixelY(s.y), -kFarPixels, kFarPixels);
    }
    double Rise(const Sample& a, const Sample& b) const { return std::fabs(PixelY(b) - PixelY(a)); }
    double Pixels(const Sample& a, const Sample& b) const {
        return (b.t - a.t) / view_.TPerPixel();
    }
    static double Middle(const Sample& a, const Sample& b) { return a.t + (b.t - a.t) / 2; }

    void Emit(const Sample& s) {
        if (s.ok) {
            curve_.points.push_back({s.t, s.y});
        } else if (curve_.points.empty() || !std::isnan(curve_.points.back().y)) {
            curve_.points.push_back({s.t, kNaN});
        }
    }

    // Emits the samples strictly between p and q.
    void Refine(const Sample& p, const Sample& q, int halvings) {
        if (!p.ok && !q.ok) return;  // a failed stretch
        if (p.ok != q.ok) {
            FindEdge(p, q);
            return;
        }
        if (Pixels(p, q) > kFinestBendPixels && halvings < kMostBendHalvings) {
            if (!Affordable()) return;
            const Sample m = Evaluate(Middle(p, q));
            const bool split = !m.ok || Rise(p, q) > kJumpPixels ||
                               std::fabs(PixelY(m) - (PixelY(p) + PixelY(q)) / 2) > kBendPixels;
            if (split && !curve_.cancelled) {
                Refine(p, m, halvings + 1);
                Emit(m);
                Refine(m, q, halvings + 1);
            }
            return;
        }
        if (Rise(p, q) > kJumpPixels && !BeyondOneEdge(p, q)) ResolveJump(p, q);
    }

    // Both samples above the view, or both below: whether they are joined
    // cannot be seen (and close to a pole f is too steep to tell).
    bool BeyondOneEdge(const Sample& a, const Sample& b) const {
        const double ya = PixelY(a), yb = PixelY(b);
        return (ya < 0 && yb < 0) || (ya > view_.height() && yb > view_.height());
    }

    // Halves [l, r] towards its larger rise until the rise is below a pixel
    // (continuous: the samples are joined) or it stays above a pixel over a
    // vanishing interval (a jump: the line breaks). Emits the samples
    // strictly between.
    void ResolveJump(Sample l, Sample r) {
        std::vector<Sample> right;  // samples right of the interval; the last is leftmost
        bool jump = true;
        for (int i = 0; i < kMostJumpHalvings; ++i) {
            const double t = Middle(l, r);
            if (t <= l.t || t >= r.t) break;
            if (!Affordable(false)) {
                // Out of allowance: joined, unless the rise spans the view.
                jump = Rise(l, r) > view_.height();
                break;
            }
            const Sample m = Evaluate(t);
            if (curve_.cancelled) return;
            if (!m.ok) {
                FindEdge(l, m);
                Emit(m);
                FindEdge(m, r);
                EmitReversed(right);
                return;
            }
            const double riseLeft = Rise(l, m), riseRight = Rise(m, r);
            if (std::max(riseLeft, riseRight) <= kJoinPixels) {
                Emit(m);
                jump = false;
                break;
            }
            if (riseLeft >= riseRight) {
                right.push_back(m);
                r = m;
            } else {
                Emit(m);
                l = m;
            }
        }
        if (jump) Emit({l.t, kNaN, false});
        EmitReversed(right);
    }

    void EmitReversed(std::vector<Sample>& samples) {
        for (auto it = samples.rbegin(); it != samples.rend(); ++it) Emit(*it);
    }

    // One of p, q fails: closes in on where f starts failing, so that the
    // curve reaches the edge of its domain.
    void FindEdge(Sample p, Sample q) {
        std::vector<Sample> right;
        const bool leftOk = p.ok;
        while (Pixels(p, q) > kEdgePixels && Affordable()) {
            const Sample m = Evaluate(Middle(p, q));
            if (curve_.cancelled) return;
            if (m.ok == leftOk) {
                if (m.ok) Emit(m);
                p = m;
            } else {
                if (m.ok) right.push_back(m);
                q = m;
            }
        }
        EmitReversed(right);
    }

    PlotFunction& f_;
    const PlotView view_;  // a copy: the window may change its view meanwhile
    const int perPixel_;
    int pixelLeft_ = 0;
    long allLeft_;
    Curve curve_;
};

}  // namespace

Curve SampleCurve(PlotFunction& f, const PlotView& view, const std::vector<double>& mustInclude,
                  SamplingLimits limits) {
    const PlotRange& range = view.range();
    const int pixels = std::max(1, static_cast<int>(std::lround(view.width())));
    std::vector<double> grid;
    grid.reserve(static_cast<std::size_t>(pixels) + 1 + mustInclude.size());
    const double width = range.tHigh - range.tLow;
    for (int i = 0; i <= pixels; ++i)
        grid.push_back(i == pixels ? range.tHigh : range.tLow + width * i / pixels);
    bool extra = false;
    for (double t : mustInclude) {
        if (t > range.tLow && t < range.tHigh) {
            grid.push_back(t);
            extra = true;
        }
    }
    if (extra) {
        std::sort(grid.begin(), grid.end());
        grid.erase(std::unique(grid.begin(), grid.end()), grid.end());
    }
    return Sampler(f, view, limits, pixels).Run(grid);
}

int CountPieces(const Curve& curve) {
    int pieces = 0;
    bool inPiece = false;
    for (const CurvePoint& p : curve.points) {
        const bool finite = !std::isnan(p.y);
        if (finite && !inPiece) ++pieces;
        inPiece = finite;
    }
    return pieces;
}

}  // namespace quorvix
