#pragma once
// Which part of the (t, f(t)) plane a plot shows and how it maps onto the
// pixels of the plot area: pixel x grows with t from the left edge, pixel y
// grows downwards while f grows upwards. Zooming about a point keeps that
// point under the same pixel; panning moves by pixels; a box zoom shows the
// box; Reset goes back to the home range.

namespace quorvix {

struct PlotRange {
    double tLow = -10.0, tHigh = 10.0;
    double yLow = -1.0, yHigh = 1.0;
};

class PlotView {
public:
    // The plot area in pixels (at least 1 x 1).
    void SetArea(double width, double height);
    double width() const { return width_; }
    double height() const { return height_; }

    const PlotRange& range() const { return range_; }
    // Shows range (widened where a side is empty or too narrow to draw).
    void SetRange(const PlotRange& range);
    void SetHome(const PlotRange& home) { home_ = home; }
    const PlotRange& home() const { return home_; }
    void Reset() { SetRange(home_); }

    double ToPixelX(double t) const { return (t - range_.tLow) * xScale_; }
    double ToPixelY(double y) const { return (range_.yHigh - y) * yScale_; }
    double ToT(double px) const { return range_.tLow + px / xScale_; }
    double ToY(double py) const { return range_.yHigh - py / yScale_; }
    // t or f(t) units per pixel.
    double TPerPixel() const { return 1.0 / xScale_; }
    double YPerPixel() const { return 1.0 / yScale_; }

    // factor > 1 zooms in. The point under (px, py) stays there.
    void ZoomAbout(double px, double py, double factor);
    void Pan(double dxPixels, double dyPixels);
    // The box between two pixel corners fills the area; a box narrower than
    // a few pixels either way is ignored (false).
    bool ZoomToBox(double x1, double y1, double x2, double y2);

private:
    void Rescale();

    double width_ = 1.0, height_ = 1.0;
    PlotRange range_;
    PlotRange home_;
    double xScale_ = 1.0, yScale_ = 1.0;
};

}  // namespace quorvix
