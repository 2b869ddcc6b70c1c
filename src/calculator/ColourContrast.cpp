#include "calculator/ColourContrast.h"

#include <algorithm>
#include <cmath>

namespace quorvix {

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
// Steps from the colour to black or white when it does not read.
constexpr int kReadableSteps = 64;

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

std::uint32_t MixColours(std::uint32_t a, std::uint32_t b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    std::uint32_t mixed = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const double from = (a >> shift) & 0xFF;
        const double to = (b >> shift) & 0xFF;
        mixed |= static_cast<std::uint32_t>(std::lround(from + (to - from) * t)) << shift;
    }
    return mixed;
}

bool IsLightBackground(std::uint32_t background) {
    return ContrastRatio(background, kBlack) >= ContrastRatio(background, kWhite);
}

std::uint32_t ReadableOn(std::uint32_t colour, std::uint32_t background, double ratio) {
    colour &= kWhite;
    const std::uint32_t target = IsLightBackground(background) ? kBlack : kWhite;
    for (int step = 0; step < kReadableSteps; ++step) {
        const std::uint32_t candidate =
            MixColours(colour, target, static_cast<double>(step) / kReadableSteps);
        if (ContrastRatio(candidate, background) >= ratio) return candidate;
    }
    return target;
}

}  // namespace quorvix
