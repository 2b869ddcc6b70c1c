#pragma once
// The geometry of the calculator window in pixels, free of any toolkit:
// where the window and the Finance box start, the window's size with and
// without the keypad, and how the display and help line stretch while the
// keypad is hidden. Sizes read from the settings are kept within the screen
// so that the window always opens on it, whatever was stored.

namespace quorvix {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Edges as the window system gives them: right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Measured once, when the window has its full (keypad) layout.
struct FrameMetrics {
    Size fullSize;      // the window with the keypad
    Rect display;       // the display's rectangle in client coordinates
    Rect helpLine;      // the help line's rectangle
    int leftMargin = 0;    // left edge of the ANS key
    int bottomMargin = 0;  // client height minus the bottom edge of the ANS key
    int gap = 0;           // help line height / 6, between display and help line
};

FrameMetrics MeasureFrame(Size fullWindowSize, Size clientSize, Rect display, Rect helpLine,
                          Rect ansKey);

// Used when the stored Width or Height is 0 or less.
inline constexpr Size kDisplayOnlyFallbackSize{500, 400};
// The smallest window the display-only mode opens with.
inline constexpr Size kDisplayOnlyMinimumSize{160, 120};

// The window's size without the keypad: the stored size, 500 x 400 when
// either value is 0 or less, at least the minimum and at most the screen.
Size DisplayOnlySize(int storedWidth, int storedHeight, const Rect& screen);

// The window's size at start: display-only or the full size.
Size InitialWindowSize(bool hideKeypad, int storedWidth, int storedHeight, Size fullSize,
                       const Rect& screen);

struct WindowPlacement {
    Point calculator;
    Point financeBox;
};

// The calculator, and the Finance box when it is shown, centred together on
// the screen; the Finance box at the calculator's right edge, vertically
// centred, moved left to end at the screen's right edge if it would cross
// it. Neither starts left of or above the screen.
WindowPlacement PlaceWindows(const Rect& screen, Size window, Size financeBox,
                             bool showFinanceBox);

// The unit converter beside the calculator, so that a converter shown at
// start does not hide behind it: at the calculator's left edge, vertically
// centred on the screen; where that does not fit, under the calculator at
// its left edge. Always kept on the screen.
Point PlaceUnitConverter(const Rect& screen, Point calculator, Size window, Size converter);

struct DisplayOnlyLayout {
    Rect helpLine;
    Rect display;
};

// The display and help line for a client area of the given size while the
// keypad is hidden: the help line keeps its height, sits above the bottom
// margin and spans the client width less the left margin on both sides; the
// display keeps its top-left corner and ends one gap above the help line.
// Never yields a negative width or height.
DisplayOnlyLayout LayOutDisplayOnly(Size client, const FrameMetrics& metrics);

}  // namespace quorvix
