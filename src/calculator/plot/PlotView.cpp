#include "calculator/plot/PlotView.h"

#include <algorithm>
#include <cmath>

namespace quorvix {

namespace {

// Narrower than this relative to its magnitude, a range has too few
// distinct doubles to draw; wider than kWidest it overflows the transform.
constexpr double kNarrowest = 1e-12;
constexpr double kWidest = 1e150;
constexpr double kSmallestBox = 4.0;

// [low, high] made drawable: ordered, finite, not empty, not too narrow.
void FixSide(double& low, double& high) {
    if (!std::isfinite(low) || !std::isfinite(high)) {
        low = -1.0;
        high = 1.0;
    }
    if (high < low) std::swap(low, high);
    const double middle = low / 2 + high / 2;
    const double least = std::max(std::fabs(middle) * kNarrowest, 1e-300);
    if (high - low < least) {
        const double half = std::max(least, middle == 0.0 ? 1.0 : std::fabs(middle) * 1e-3);
        low = middle - half;
        high = middle + half;
    }
    if (high - low > kWidest) {
        low = middle - kWidest / 2;
        high = middle + kWidest / 2;
    }
}

}  // namespace

void PlotView::SetArea(double width, double height) {
    width_ = std::max(1.0, width);
    height_ = std::max(1.0, height);
    Rescale();
}

void PlotView::SetRange(const PlotRange& range) {
    range_ = range;
    FixSide(range_.tLow, range_.tHigh);
    FixSide(range_.yLow, range_.yHigh);
    Rescale();
}

void PlotView::Rescale() {
    xScale_ = width_ / (range_.tHigh - range_.tLow);
    yScale_ = height_ / (range_.yHigh - range_.yLow);
}

void PlotView::ZoomAbout(double px, double py, double factor) {
    if (!(factor > 0.0) || !std::isfinite(factor)) return;
    const double t = ToT(px), y = ToY(py);
    PlotRange r;
    r.tLow = t - (t - range_.tLow) / factor;
    r.tHigh = t + (range_.tHigh - t) / factor;
    r.yLow = y - (y - range_.yLow) / factor;
    r.yHigh = y + (range_.yHigh - y) / factor;
    SetRange(r);
}

void PlotView::Pan(double dxPixels, double dyPixels) {
    const double dt = dxPixels / xScale_, dy = dyPixels / yScale_;
    PlotRange r = range_;
    r.tLow -= dt;
    r.tHigh -= dt;
    r.yLow += dy;
    r.yHigh += dy;
    SetRange(r);
}

bool PlotView::ZoomToBox(double x1, double y1, double x2, double y2) {
    if (std::fabs(x2 - x1) < kSmallestBox || std::fabs(y2 - y1) < kSmallestBox) return false;
    PlotRange r;
    r.tLow = ToT(std::min(x1, x2));
    r.tHigh = ToT(std::max(x1, x2));
    r.yLow = ToY(std::max(y1, y2));
    r.yHigh = ToY(std::min(y1, y2));
    SetRange(r);
    return true;
}

}  // namespace quorvix
