#include <gtest/gtest.h>

#include "shell/ColourPalette.h"

using namespace quorvix;

namespace {

std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | (g << 8) | (b << 16);
}

}  // namespace

TEST(ColourPaletteTest, DefaultPaletteIsTheFourLevelCubeBlueFastest) {
    const auto colours = DefaultPalette();
    const struct {
        int index;
        std::uint32_t colour;
    } rows[] = {
        {0, Rgb(0, 0, 0)},    {1, Rgb(0, 0, 85)},       {4, Rgb(0, 85, 0)},
        {16, Rgb(85, 0, 0)},  {62, Rgb(255, 255, 170)}, {63, Rgb(255, 255, 255)},
    };
    for (const auto& row : rows) EXPECT_EQ(colours[row.index], row.colour) << row.index;
}

TEST(ColourPaletteTest, LayoutGeometryScales) {
    const struct {
        double scale;
        int width, height;
        PaletteRect first, ninth, last, button;
    } rows[] = {
        {1.0, 151, 186, {10, 10, 12, 12}, {27, 27, 12, 12}, {129, 129, 12, 12}, {10, 156, 131, 20}},
        {2.0, 302, 372, {20, 20, 24, 24}, {54, 54, 24, 24}, {258, 258, 24, 24}, {20, 312, 262, 40}},
        {0.5, 151, 186, {10, 10, 12, 12}, {27, 27, 12, 12}, {129, 129, 12, 12}, {10, 156, 131, 20}},
    };
    for (const auto& row : rows) {
        const PaletteLayout layout(kPaletteColourCount, row.scale);
        EXPECT_EQ(layout.columns(), 8);
        EXPECT_EQ(layout.rows(), 8);
        EXPECT_EQ(layout.width(), row.width) << row.scale;
        EXPECT_EQ(layout.height(), row.height) << row.scale;
        EXPECT_EQ(layout.CellRect(0), row.first) << row.scale;
        EXPECT_EQ(layout.CellRect(9), row.ninth) << row.scale;
        EXPECT_EQ(layout.CellRect(63), row.last) << row.scale;
        EXPECT_EQ(layout.ButtonRect(), row.button) << row.scale;
        // The window ends one margin below the button.
        EXPECT_EQ(layout.height() - layout.ButtonRect().bottom(), layout.CellRect(0).x);
    }
}

TEST(ColourPaletteTest, HitTestingFindsCellsAndButtonNotGaps) {
    const PaletteLayout layout;
    const struct {
        int x, y, item;
    } rows[] = {
        {10, 10, 0},   {21, 21, 0},  {22, 10, kPaletteNoItem}, {27, 10, 1},
        {27, 27, 9},   {140, 140, 63}, {5, 5, kPaletteNoItem},   {-3, 20, kPaletteNoItem},
        {10, 156, 64}, {140, 175, 64}, {75, 150, kPaletteNoItem}, {150, 185, kPaletteNoItem},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(layout.ItemAt(row.x, row.y), row.item) << row.x << "," << row.y;
    }
    // The frames sit in the gaps around their item.
    EXPECT_EQ(layout.FrameRect(9), (PaletteRect{25, 25, 16, 16}));
    EXPECT_EQ(layout.FrameRect(kPaletteNoItem), PaletteRect{});
}

TEST(ColourPaletteTest, PlacementKeepsThePopupOnTheScreen) {
    const PaletteRect screen{0, 0, 1280, 1024};
    const struct {
        const char* where;
        PaletteRect picker;
        PaletteRect screen;
        int x, y;
    } rows[] = {
        {"below", {100, 100, 80, 24}, screen, 100, 124},
        {"right edge", {1200, 100, 80, 24}, screen, 1129, 124},
        {"left edge", {-30, 100, 80, 24}, screen, 0, 124},
        {"bottom edge", {100, 900, 80, 24}, screen, 100, 714},
        {"bottom right", {1250, 1000, 30, 24}, screen, 1129, 814},
        {"second screen", {1270, 100, 80, 24}, {1280, 0, 1920, 1080}, 1280, 124},
    };
    for (const auto& row : rows) {
        const PaletteRect placed = PlacePalette(row.picker, 151, 186, row.screen);
        EXPECT_EQ(placed, (PaletteRect{row.x, row.y, 151, 186})) << row.where;
    }
}

TEST(ColourPaletteTest, HoverClickAndAltM) {
    ColourPalette palette(0xFF00AABB);
    EXPECT_EQ(palette.current(), 0x00AABBu);
    EXPECT_TRUE(palette.Hover(30, 30));   // cell 9
    EXPECT_EQ(palette.hovered(), 9);
    EXPECT_FALSE(palette.Hover(31, 31));  // same cell: nothing to repaint
    EXPECT_TRUE(palette.Hover(24, 30));   // the gap
    EXPECT_EQ(palette.hovered(), kPaletteNoItem);
    EXPECT_TRUE(palette.Hover(20, 160));
    EXPECT_EQ(palette.hovered(), 64);
    EXPECT_TRUE(palette.Leave());
    EXPECT_FALSE(palette.Leave());

    EXPECT_EQ(palette.Click(24, 30), PaletteResult::Open);
    EXPECT_EQ(palette.Click(20, 160), PaletteResult::MoreColors);
    EXPECT_EQ(palette.Click(151, 20), PaletteResult::Dismissed);
    EXPECT_EQ(palette.chosen(), palette.current());
    EXPECT_EQ(palette.Click(140, 140), PaletteResult::Picked);
    EXPECT_EQ(palette.sunken(), 63);
    EXPECT_EQ(palette.chosen(), Rgb(255, 255, 255));

    EXPECT_EQ(palette.AltKey('M'), PaletteResult::MoreColors);
    EXPECT_EQ(palette.AltKey('m'), PaletteResult::MoreColors);
    EXPECT_EQ(palette.AltKey('x'), PaletteResult::Open);
}
