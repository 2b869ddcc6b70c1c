#include "calculator/ColourContrast.h"

#include <algorithm>
#include <cmath>

namespace quorvix {

namespace {

double LinearChannel(std::uint32_t colour, int shift) {
    const double c = static_cast<double>((colour >> shift) & 0xFF) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(std::uint32_t colour) {
    return 0.2126 * LinearChannel(colour, 0) + 0.7152 * LinearChannel(colour, 8) +
           0.0722 * LinearChannel(colour, 16);
}

double ContrastRatio(std::uint32_t a, std::uint32_t b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace quorvix
