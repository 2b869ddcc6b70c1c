#pragma once
// The colour picker's pop-up palette, free of any toolkit: the 64 default
// colours, where each cell and the "More Colors..." button lie, which item
// the mouse is over, what a click or Alt+M does, and where the pop-up opens
// relative to its picker and the screen edges.
//
// Sizes are the pop-up's pixel sizes times a scale, so a view whose pixels
// are smaller than usual (a high-resolution screen) keeps the cells usable.

#include <array>
#include <cstdint>

namespace quorvix {

inline constexpr int kPaletteColourCount = 64;
// Outline of every cell, 0x00BBGGRR: RGB(140, 140, 140).
inline constexpr std::uint32_t kPaletteOutlineColour = 0x8C8C8C;
inline constexpr const char* kMoreColorsText = "More Colors...";
// Alt with this key (either case) acts as "More Colors...".
inline constexpr char kMoreColorsKey = 'M';

// The 4 x 4 x 4 cube of the levels 0, 85, 170, 255, blue changing fastest:
// entry 0 black, entry 63 white. 0x00BBGGRR.
std::array<std::uint32_t, kPaletteColourCount> DefaultPalette();

struct PaletteRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }    // one past the last column
    int bottom() const { return y + height; }  // one past the last row
    bool Contains(int px, int py) const {
        return px >= x && px < right() && py >= y && py < bottom();
    }
    bool operator==(const PaletteRect&) const = default;
};

// Items are the cells 0..colourCount-1 and the button (MoreColorsItem()).
inline constexpr int kPaletteNoItem = -1;

class PaletteLayout {
public:
    // colourCount is at least 1; scale at least 1 (smaller scales count as 1).
    explicit PaletteLayout(int colourCount = kPaletteColourCount, double scale = 1.0);

    int colourCount() const { return count_; }
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    // The pop-up's size: 151 x 186 for 64 colours at scale 1.
    int width() const { return width_; }
    int height() const { return height_; }

    PaletteRect CellRect(int index) const;
    PaletteRect ButtonRect() const;
    int MoreColorsItem() const { return count_; }
    PaletteRect ItemRect(int item) const;  // empty for kPaletteNoItem
    // The raised or sunken frame drawn around an item, just outside it.
    PaletteRect FrameRect(int item) const;
    // The cell or button under a point of the pop-up, else kPaletteNoItem
    // (the gaps and margins belong to no item).
    int ItemAt(int x, int y) const;

private:
    int Scaled(int pixels) const;

    int count_;
    double scale_;
    int columns_;
    int rows_;
    int cell_;
    int gap_;
    int margin_;
    int buttonGap_;
    int buttonHeight_;
    int width_;
    int height_;
};

// Where the pop-up opens: its top-left corner at the picker's left edge just
// below the picker; moved left to end at the screen's right edge, then right
// to start at the screen's left edge; placed above the picker instead when it
// would leave the screen at the bottom.
PaletteRect PlacePalette(const PaletteRect& picker, int width, int height,
                         const PaletteRect& screen);

enum class PaletteResult {
    Open,        // nothing ends the pop-up yet
    Picked,      // a cell was clicked: chosen() holds its colour
    MoreColors,  // hide the pop-up and open the colour dialog on current()
    Dismissed,   // a click outside: no change
};

// One open pop-up: the colours (the default palette, made afresh for each
// pop-up), the highlighted (raised) and clicked (sunken) items.
class ColourPalette {
public:
    explicit ColourPalette(std::uint32_t current, double scale = 1.0);

    const PaletteLayout& layout() const { return layout_; }
    std::uint32_t Colour(int index) const;
    std::uint32_t current() const { return current_; }
    std::uint32_t chosen() const { return chosen_; }
    int hovered() const { return hovered_; }
    int sunken() const { return sunken_; }

    // The mouse moved to (x, y) in pop-up coordinates: the item under it is
    // highlighted and the one before loses its frame. True when that changed.
    bool Hover(int x, int y);
    // The mouse left the pop-up: no item is highlighted.
    bool Leave();
    // A click at (x, y) in pop-up coordinates; outside the pop-up dismisses.
    PaletteResult Click(int x, int y);
    // A key pressed with Alt held.
    PaletteResult AltKey(char key);

private:
    PaletteLayout layout_;
    std::array<std::uint32_t, kPaletteColourCount> colours_;
    std::uint32_t current_;
    std::uint32_t chosen_;
    int hovered_ = kPaletteNoItem;
    int sunken_ = kPaletteNoItem;
};

}  // namespace quorvix
