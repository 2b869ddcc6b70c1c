// The view transform: zooming keeps the point under the mouse, panning moves
// by pixels, a box fills the area, Reset returns home, and ranges that
// cannot be drawn are made drawable.
#include <gtest/gtest.h>

#include <cmath>

#include "calculator/plot/PlotView.h"

namespace quorvix {
namespace {

PlotView View() {
    PlotView view;
    view.SetArea(400, 200);
    view.SetHome({-10, 10, -1, 1});
    view.Reset();
    return view;
}

TEST(PlotView, ZoomKeepsThePointUnderTheMouse) {
    struct Case {
        double px, py, factor;
    };
    for (const Case& c : {Case{100, 50, 2}, Case{0, 200, 0.5}, Case{399, 3, 1.2}}) {
        PlotView view = View();
        const double t = view.ToT(c.px), y = view.ToY(c.py);
        const double width = view.range().tHigh - view.range().tLow;
        view.ZoomAbout(c.px, c.py, c.factor);
        EXPECT_NEAR(view.ToPixelX(t), c.px, 1e-9);
        EXPECT_NEAR(view.ToPixelY(y), c.py, 1e-9);
        EXPECT_NEAR(view.range().tHigh - view.range().tLow, width / c.factor, 1e-9);
    }
}

TEST(PlotView, PanBoxAndReset) {
    PlotView view = View();
    view.Pan(40, -20);  // the content follows the mouse: right and up
    EXPECT_DOUBLE_EQ(view.range().tLow, -12);
    EXPECT_DOUBLE_EQ(view.range().yLow, -1.2);
    EXPECT_TRUE(view.ZoomToBox(300, 150, 100, 50));
    EXPECT_NEAR(view.range().tLow, view.ToT(0), 1e-12);
    EXPECT_DOUBLE_EQ(view.range().tLow, -12 + 100 * 0.05);
    EXPECT_DOUBLE_EQ(view.range().tHigh, -12 + 300 * 0.05);
    EXPECT_FALSE(view.ZoomToBox(10, 10, 12, 80));  // too narrow: ignored
    view.Reset();
    EXPECT_DOUBLE_EQ(view.range().tLow, -10);
    EXPECT_DOUBLE_EQ(view.range().yHigh, 1);
}

TEST(PlotView, UndrawableRangesAreMadeDrawable) {
    PlotView view = View();
    view.SetRange({5, 5, 2, 1});  // empty t, reversed y
    EXPECT_LT(view.range().tLow, 5);
    EXPECT_GT(view.range().tHigh, 5);
    EXPECT_DOUBLE_EQ(view.range().yLow, 1);
    view.SetRange({NAN, 1, -1e300, 1e300});
    EXPECT_TRUE(std::isfinite(view.TPerPixel()) && view.TPerPixel() > 0);
    EXPECT_TRUE(std::isfinite(view.YPerPixel()) && view.YPerPixel() > 0);
    // Zooming in without end stops where doubles still tell pixels apart.
    for (int i = 0; i < 200; ++i) view.ZoomAbout(200, 100, 10);
    EXPECT_GT(view.range().tHigh, view.range().tLow);
    EXPECT_NE(view.ToT(0), view.ToT(400));
}

}  // namespace
}  // namespace quorvix
