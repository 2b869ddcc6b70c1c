#include "shell/ColourPalette.h"

#include <algorithm>
#include <cmath>

namespace quorvix {

namespace {

// The pop-up's pixel sizes at scale 1.
constexpr int kCell = 12;
constexpr int kGap = 5;
constexpr int kMargin = 10;
constexpr int kButtonGap = 15;  // from the last row of cells to the button
constexpr int kButtonHeight = 20;
constexpr int kFrameOutset = 2;  // the hover and sunken frames sit in the gap

}  // namespace

std::array<std::uint32_t, kPaletteColourCount> DefaultPalette() {
    std::array<std::uint32_t, kPaletteColourCount> colours{};
    for (int k = 0; k < kPaletteColourCount; ++k) {
        const std::uint32_t red = 85u * static_cast<std::uint32_t>(k / 16);
        const std::uint32_t green = 85u * static_cast<std::uint32_t>((k / 4) % 4);
        const std::uint32_t blue = 85u * static_cast<std::uint32_t>(k % 4);
        colours[static_cast<std::size_t>(k)] = red | (green << 8) | (blue << 16);
    }
    return colours;
}

PaletteLayout::PaletteLayout(int colourCount, double scale)
    : count_(std::max(colourCount, 1)), scale_(std::isfinite(scale) ? std::max(scale, 1.0) : 1.0) {
    columns_ = std::max(1, static_cast<int>(std::sqrt(static_cast<double>(count_))));
    rows_ = (count_ + columns_ - 1) / columns_;
    cell_ = Scaled(kCell);
    gap_ = Scaled(kGap);
    margin_ = Scaled(kMargin);
    buttonGap_ = Scaled(kButtonGap);
    buttonHeight_ = Scaled(kButtonHeight);
    width_ = columns_ * cell_ + (columns_ - 1) * gap_ + 2 * margin_;
    height_ = margin_ + rows_ * cell_ + (rows_ - 1) * gap_ + buttonGap_ + buttonHeight_ + margin_;
}

int PaletteLayout::Scaled(int pixels) const {
    // A pop-up beyond a few thousand pixels helps nobody; the cap keeps every
    // sum in range whatever scale a caller passes.
    return static_cast<int>(std::lround(std::min(pixels * scale_, 1000.0)));
}

PaletteRect PaletteLayout::CellRect(int index) const {
    if (index < 0 || index >= count_) return {};
    const int column = index % columns_;
    const int row = index / columns_;
    return {margin_ + column * (cell_ + gap_), margin_ + row * (cell_ + gap_), cell_, cell_};
}

PaletteRect PaletteLayout::ButtonRect() const {
    const int top = margin_ + rows_ * cell_ + (rows_ - 1) * gap_ + buttonGap_;
    return {margin_, top, width_ - 2 * margin_, buttonHeight_};
}

PaletteRect PaletteLayout::ItemRect(int item) const {
    if (item == MoreColorsItem()) return ButtonRect();
    return CellRect(item);
}

PaletteRect PaletteLayout::FrameRect(int item) const {
    const PaletteRect inner = ItemRect(item);
    if (inner.width == 0) return inner;
    const int out = Scaled(kFrameOutset);
    return {inner.x - out, inner.y - out, inner.width + 2 * out, inner.height + 2 * out};
}

int PaletteLayout::ItemAt(int x, int y) const {
    if (ButtonRect().Contains(x, y)) return MoreColorsItem();
    if (x < margin_ || y < margin_) return kPaletteNoItem;
    const int column = (x - margin_) / (cell_ + gap_);
    const int row = (y - margin_) / (cell_ + gap_);
    if (column >= columns_ || row >= rows_) return kPaletteNoItem;
    const int index = row * columns_ + column;
    return CellRect(index).Contains(x, y) ? index : kPaletteNoItem;
}

PaletteRect PlacePalette(const PaletteRect& picker, int width, int height,
                         const PaletteRect& screen) {
    PaletteRect placed{picker.x, picker.bottom(), width, height};
    if (placed.right() > screen.right()) placed.x = screen.right() - width;
    if (placed.x < screen.x) placed.x = screen.x;
    if (placed.bottom() > screen.bottom()) placed.y = picker.y - height;
    return placed;
}

ColourPalette::ColourPalette(std::uint32_t current, double scale)
    : layout_(kPaletteColourCount, scale),
      colours_(DefaultPalette()),
      current_(current & 0xFFFFFF),
      chosen_(current_) {}

std::uint32_t ColourPalette::Colour(int index) const {
    if (index < 0 || index >= kPaletteColourCount) return current_;
    return colours_[static_cast<std::size_t>(index)];
}

bool ColourPalette::Hover(int x, int y) {
    const int item = layout_.ItemAt(x, y);
    if (item == hovered_) return false;
    hovered_ = item;
    return true;
}

bool ColourPalette::Leave() {
    if (hovered_ == kPaletteNoItem) return false;
    hovered_ = kPaletteNoItem;
    return true;
}

PaletteResult ColourPalette::Click(int x, int y) {
    if (!PaletteRect{0, 0, layout_.width(), layout_.height()}.Contains(x, y)) {
        return PaletteResult::Dismissed;
    }
    const int item = layout_.ItemAt(x, y);
    if (item == layout_.MoreColorsItem()) return PaletteResult::MoreColors;
    if (item == kPaletteNoItem) return PaletteResult::Open;
    sunken_ = item;
    chosen_ = Colour(item);
    return PaletteResult::Picked;
}

PaletteResult ColourPalette::AltKey(char key) {
    const bool more = key == kMoreColorsKey || key == kMoreColorsKey - 'A' + 'a';
    return more ? PaletteResult::MoreColors : PaletteResult::Open;
}

}  // namespace quorvix
