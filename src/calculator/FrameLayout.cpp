#include "calculator/FrameLayout.h"

#include <algorithm>

namespace quorvix {

namespace {

// Stored values may be anything; the arithmetic below runs in 64 bits and the
// results are brought back into the screen's range.
int ClampToInt(long long value, long long low, long long high) {
    return static_cast<int>(std::clamp(value, low, std::max(low, high)));
}

}  // namespace

FrameMetrics MeasureFrame(Size fullWindowSize, Size clientSize, Rect display, Rect helpLine,
                          Rect ansKey) {
    FrameMetrics m;
    m.fullSize = fullWindowSize;
    m.display = display;
    m.helpLine = helpLine;
    m.leftMargin = ansKey.left;
    m.bottomMargin = clientSize.height - ansKey.bottom;
    m.gap = helpLine.height() / 6;
    return m;
}

Size DisplayOnlySize(int storedWidth, int storedHeight, const Rect& screen) {
    Size size{storedWidth, storedHeight};
    if (size.width <= 0 || size.height <= 0) size = kDisplayOnlyFallbackSize;
    const long long screenWidth = std::max(screen.width(), kDisplayOnlyMinimumSize.width);
    const long long screenHeight = std::max(screen.height(), kDisplayOnlyMinimumSize.height);
    size.width = ClampToInt(size.width, kDisplayOnlyMinimumSize.width, screenWidth);
    size.height = ClampToInt(size.height, kDisplayOnlyMinimumSize.height, screenHeight);
    return size;
}

Size InitialWindowSize(bool hideKeypad, int storedWidth, int storedHeight, Size fullSize,
                       const Rect& screen) {
    return hideKeypad ? DisplayOnlySize(storedWidth, storedHeight, screen) : fullSize;
}

WindowPlacement PlaceWindows(const Rect& screen, Size window, Size financeBox,
                             bool showFinanceBox) {
    const long long screenWidth = screen.width();
    const long long screenHeight = screen.height();
    const long long shownFinance = showFinanceBox ? financeBox.width : 0;
    // Integer division toward zero, then at least the screen's edge.
    const long long x = std::max(0LL, (screenWidth - (window.width + shownFinance)) / 2);
    const long long y = std::max(0LL, (screenHeight - window.height) / 2);

    long long financeX = x + window.width;
    if (financeX + financeBox.width > screenWidth) financeX = screenWidth - financeBox.width;
    const long long financeY = std::max(0LL, (screenHeight - financeBox.height) / 2);
    financeX = std::max(0LL, financeX);

    WindowPlacement placement;
    placement.calculator = {screen.left + ClampToInt(x, 0, screenWidth),
                            screen.top + ClampToInt(y, 0, screenHeight)};
    placement.financeBox = {screen.left + ClampToInt(financeX, 0, screenWidth),
                            screen.top + ClampToInt(financeY, 0, screenHeight)};
    return placement;
}

Point PlaceUnitConverter(const Rect& screen, Point calculator, Size window, Size converter) {
    long long x = static_cast<long long>(calculator.x) - converter.width;
    long long y = screen.top + (static_cast<long long>(screen.height()) - converter.height) / 2;
    if (x < screen.left) {
        x = calculator.x;
        y = static_cast<long long>(calculator.y) + window.height;
    }
    // On the screen: end at its right and bottom edges, start at its left and top.
    x = std::max<long long>(screen.left, std::min<long long>(x, screen.right - converter.width));
    y = std::max<long long>(screen.top, std::min<long long>(y, screen.bottom - converter.height));
    return {ClampToInt(x, screen.left, screen.right), ClampToInt(y, screen.top, screen.bottom)};
}

DisplayOnlyLayout LayOutDisplayOnly(Size client, const FrameMetrics& metrics) {
    const int margin = metrics.leftMargin;
    DisplayOnlyLayout layout;
    Rect& help = layout.helpLine;
    help.bottom = std::max(0, client.height - metrics.bottomMargin);
    help.top = std::max(0, help.bottom - std::max(0, metrics.helpLine.height()));
    help.left = margin;
    help.right = std::max(help.left, client.width - margin);

    Rect& display = layout.display;
    display.left = metrics.display.left;
    display.top = metrics.display.top;
    display.right = std::max(display.left, client.width - margin);
    display.bottom = std::max(display.top, help.top - metrics.gap);
    return layout;
}

}  // namespace quorvix
