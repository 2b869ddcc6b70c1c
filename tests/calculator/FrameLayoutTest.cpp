#include "calculator/FrameLayout.h"

#include <gtest/gtest.h>

#include <climits>

namespace quorvix {
namespace {

TEST(FrameLayout, PlacementCentresCalculatorAndShownFinanceBox) {
    struct Row {
        const char* name;
        Rect screen;
        Size window, finance;
        bool showFinance;
        Point calculator, financeBox;
    };
    const Row rows[] = {
        {"both shown, centred together", {0, 0, 1280, 1024}, {400, 600}, {300, 500}, true,
         {290, 212}, {690, 262}},
        {"finance hidden: calculator alone centred", {0, 0, 1280, 1024}, {400, 600}, {300, 500},
         false, {440, 212}, {840, 262}},
        {"narrow screen: x 0, finance ends at the right edge", {0, 0, 600, 800}, {400, 600},
         {300, 500}, true, {0, 100}, {300, 150}},
        {"window taller and wider than the screen", {0, 0, 300, 200}, {400, 600}, {350, 500},
         true, {0, 0}, {0, 0}},
        {"screen with an offset origin", {100, 50, 1380, 1074}, {400, 600}, {300, 500}, true,
         {390, 262}, {790, 312}},
    };
    for (const Row& row : rows) {
        const WindowPlacement p = PlaceWindows(row.screen, row.window, row.finance, row.showFinance);
        EXPECT_EQ(p.calculator, row.calculator) << row.name;
        EXPECT_EQ(p.financeBox, row.financeBox) << row.name;
    }
}

TEST(FrameLayout, UnitConverterSitsLeftOfTheCalculatorAndOnScreen) {
    const Rect screen{100, 50, 1380, 1074};  // 1280 x 1024, not at the origin
    const Size calculator{250, 500};
    // Room on the left: it ends at the calculator's left edge, centred vertically.
    EXPECT_EQ(PlaceUnitConverter(screen, {600, 300}, calculator, {400, 200}), (Point{200, 462}));
    // No room on the left: under the calculator, at its left edge.
    EXPECT_EQ(PlaceUnitConverter(screen, {300, 300}, calculator, {400, 200}), (Point{300, 800}));
    // No room below either: it ends at the screen's bottom edge.
    EXPECT_EQ(PlaceUnitConverter(screen, {300, 500}, calculator, {400, 200}), (Point{300, 874}));
    // Larger than the screen: at its top-left corner.
    EXPECT_EQ(PlaceUnitConverter(screen, {300, 300}, calculator, {4000, 2000}), (Point{100, 50}));
}

TEST(FrameLayout, DisplayOnlySizeFallsBackAndStaysOnScreen) {
    const Rect screen{0, 0, 1280, 1024};
    struct Row {
        int width, height;
        Size expected;
    };
    const Row rows[] = {
        {700, 500, {700, 500}},
        {0, 300, {500, 400}},
        {300, -1, {500, 400}},
        {-5, -5, {500, 400}},
        {1000000000, INT_MAX, {1280, 1024}},
        {10, 10, kDisplayOnlyMinimumSize},
    };
    for (const Row& row : rows)
        EXPECT_EQ(DisplayOnlySize(row.width, row.height, screen), row.expected)
            << row.width << "x" << row.height;
    EXPECT_EQ(InitialWindowSize(false, 700, 500, {352, 532}, screen), (Size{352, 532}));
    EXPECT_EQ(InitialWindowSize(true, 0, 0, {352, 532}, screen), kDisplayOnlyFallbackSize);
}

TEST(FrameLayout, DisplayOnlyLayoutStretchesDisplayAndKeepsHelpLineHeight) {
    // Template: client 340x500; display 8,8-332,160; help line 8,164-332,182 (gap 3);
    // ANS key left edge 8, bottom edge 490 (bottom margin 10).
    const FrameMetrics m = MeasureFrame({352, 532}, {340, 500}, {8, 8, 332, 160},
                                        {8, 164, 332, 182}, {8, 470, 60, 490});
    EXPECT_EQ(m.gap, 3);
    EXPECT_EQ(m.leftMargin, 8);
    EXPECT_EQ(m.bottomMargin, 10);

    const DisplayOnlyLayout wide = LayOutDisplayOnly({600, 400}, m);
    EXPECT_EQ(wide.helpLine, (Rect{8, 372, 592, 390}));
    EXPECT_EQ(wide.display, (Rect{8, 8, 592, 369}));

    // A client smaller than the margins never gives negative sizes.
    const DisplayOnlyLayout tiny = LayOutDisplayOnly({5, 5}, m);
    EXPECT_GE(tiny.helpLine.width(), 0);
    EXPECT_GE(tiny.helpLine.height(), 0);
    EXPECT_GE(tiny.display.width(), 0);
    EXPECT_GE(tiny.display.height(), 0);
}

}  // namespace
}  // namespace quorvix
