#include "calculator/FontRecord.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace quorvix {

FontRecord InitialFontRecord(int dotsPerInchY) {
    FontRecord font;
    font.height = -static_cast<std::int32_t>(std::lround(8.0 * dotsPerInchY / 72.0));
    return font;
}

std::int32_t FontHeightForPoints(int dotsPerInchY, int points) {
    // Points to pixels: points * 20 twips, 1440 twips per inch. A size from a
    // hand-edited settings file can be far too large for 32 bits; such a
    // height saturates instead of overflowing the conversion.
    constexpr double kLimit = std::numeric_limits<std::int32_t>::max();
    const double pixels = std::clamp(
        static_cast<double>(dotsPerInchY) * points * 20 * 0.0006944444444444445, -kLimit, kLimit);
    return -static_cast<std::int32_t>(pixels);
}

std::int32_t LimitFontHeight(std::int32_t height, int dotsPerInchY) {
    if (height == 0) return 0;
    const std::int64_t smallest =
        std::max<std::int64_t>(1, -FontHeightForPoints(dotsPerInchY, kMinFontPoints));
    const std::int64_t largest =
        std::max(smallest, static_cast<std::int64_t>(-FontHeightForPoints(dotsPerInchY, kMaxFontPoints)));
    const std::int64_t magnitude =
        std::clamp(std::abs(static_cast<std::int64_t>(height)), smallest, largest);
    return static_cast<std::int32_t>(height < 0 ? -magnitude : magnitude);
}

std::int32_t ZoomedFontHeight(std::int32_t height, int steps, int dotsPerInchY) {
    const std::int32_t initial = InitialFontRecord(dotsPerInchY).height;
    if (steps == 0 || dotsPerInchY <= 0) return initial;
    const std::int64_t pixels = std::abs(static_cast<std::int64_t>(height == 0 ? initial : height));
    const auto points = static_cast<int>(std::lround(static_cast<double>(pixels) * 72.0 / dotsPerInchY));
    const int zoomed = std::clamp(points + steps, kMinFontPoints, kMaxFontPoints);
    return FontHeightForPoints(dotsPerInchY, zoomed);
}

}  // namespace quorvix
