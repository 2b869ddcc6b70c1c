#include "shell/ColourSchemes.h"

#include <array>

#include "calculator/Settings.h"

namespace quorvix {

namespace {

const Settings kDefaults;

// Dark captions in the hues of the default ones (numbers red, operators
// yellow, functions blue), black text on white in the display.
constexpr std::uint32_t kDarkRed = 0x000080;
constexpr std::uint32_t kDarkOchre = 0x003366;
constexpr std::uint32_t kNavy = 0x800000;

const std::array<ColourScheme, 2> kSchemes = {{
    {"Default colors", kDefaults.foreColor, kDefaults.backColor,
     {kDefaults.numberColor, kDefaults.operatorColor, kDefaults.functionColor}},
    {"High contrast", 0x000000, 0xFFFFFF, {kDarkRed, kDarkOchre, kNavy}},
}};

}  // namespace

std::span<const ColourScheme> ColourSchemes() { return kSchemes; }

std::optional<std::size_t> FindColourScheme(std::uint32_t text, std::uint32_t background,
                                            const std::array<std::uint32_t, kKeyGroupCount>& keys) {
    constexpr std::uint32_t kRgb = 0xFFFFFF;
    for (std::size_t i = 0; i < kSchemes.size(); ++i) {
        const ColourScheme& scheme = kSchemes[i];
        bool same = (scheme.text & kRgb) == (text & kRgb) &&
                    (scheme.background & kRgb) == (background & kRgb);
        for (std::size_t k = 0; k < keys.size(); ++k)
            same = same && (scheme.keys[k] & kRgb) == (keys[k] & kRgb);
        if (same) return i;
    }
    return std::nullopt;
}

}  // namespace quorvix
