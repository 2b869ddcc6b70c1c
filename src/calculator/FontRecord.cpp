#include "calculator/FontRecord.h"

#include <cmath>

namespace quorvix {

FontRecord InitialFontRecord(int dotsPerInchY) {
    FontRecord font;
    font.height = -static_cast<std::int32_t>(std::lround(8.0 * dotsPerInchY / 72.0));
    return font;
}

std::int32_t FontHeightForPoints(int dotsPerInchY, int points) {
    // Points to pixels: points * 20 twips, 1440 twips per inch.
    return -static_cast<std::int32_t>(static_cast<double>(dotsPerInchY) * points * 20 *
                                      0.0006944444444444445);
}

}  // namespace quorvix
