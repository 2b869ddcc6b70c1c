#include "shell/ColourSchemes.h"

#include "calculator/ColourContrast.h"

namespace quorvix {

namespace {

const Settings kDefaults;

// Dark captions in the hues of the default ones (numbers red, operators
// yellow, functions blue), black text on white in the display.
constexpr std::uint32_t kDarkRed = 0x000080;
constexpr std::uint32_t kDarkOchre = 0x003366;
constexpr std::uint32_t kNavy = 0x800000;

// The dark scheme: light blue text on a near-black display, and light
// captions in the same three hues on the dark key faces.
constexpr std::uint32_t kDarkText = 0xFFBE82;        // RGB(130, 190, 255)
constexpr std::uint32_t kDarkBackground = 0x201E1E;  // RGB(30, 30, 32)
constexpr std::uint32_t kLightRed = 0x8787FF;        // RGB(255, 135, 135)
constexpr std::uint32_t kLightYellow = 0x5AD7FF;     // RGB(255, 215, 90)
constexpr std::uint32_t kLightBlue = 0xFFBE8C;       // RGB(140, 190, 255)

const std::array<ColourScheme, 4> kSchemes = {{
    {"Default colors", WindowColors::Stored, kDefaults.foreColor, kDefaults.backColor,
     {kDefaults.numberColor, kDefaults.operatorColor, kDefaults.functionColor}},
    {"High contrast", WindowColors::Stored, 0x000000, 0xFFFFFF, {kDarkRed, kDarkOchre, kNavy}},
    {"Dark", WindowColors::Dark, kDarkText, kDarkBackground, {kLightRed, kLightYellow, kLightBlue}},
    {"System colors", WindowColors::System, 0, 0, {0, 0, 0}},
}};

const DarkPaletteColours kDarkPalette = {
    .window = 0x302D2D,          // RGB(45, 45, 48)
    .windowText = 0xE6E6E6,
    .base = kDarkBackground,
    .alternateBase = 0x302D2D,
    .text = 0xE6E6E6,
    .button = 0x3E3A3A,          // RGB(58, 58, 62)
    .buttonText = 0xE6E6E6,
    .light = 0x5A5656,
    .midlight = 0x4A4646,
    .mid = 0x2A2828,
    .dark = 0x1C1A1A,
    .shadow = 0x0A0A0A,
    .highlight = 0xA86426,       // RGB(38, 100, 168)
    .highlightedText = 0xFFFFFF,
    .link = 0xFFB464,            // RGB(100, 180, 255)
    .linkVisited = 0xF0A0C8,
    .toolTipBase = 0x403C3C,
    .toolTipText = 0xE6E6E6,
    .placeholderText = 0x969696,
    .disabledText = 0x808080,
};

}  // namespace

std::span<const ColourScheme> ColourSchemes() { return kSchemes; }

ColourScheme SystemColourScheme(std::uint32_t paletteText, std::uint32_t paletteBase,
                                std::uint32_t paletteButton) {
    ColourScheme scheme = kSchemes[kSystemSchemeIndex];
    scheme.background = paletteBase & 0xFFFFFF;
    scheme.text = ReadableOn(paletteText, scheme.background);
    const ColourScheme& hues = kSchemes[kDefaultSchemeIndex];
    for (std::size_t k = 0; k < scheme.keys.size(); ++k)
        scheme.keys[k] = ReadableOn(hues.keys[k], paletteButton);
    return scheme;
}

std::optional<std::size_t> FindColourScheme(WindowColors windows, std::uint32_t text,
                                            std::uint32_t background,
                                            const std::array<std::uint32_t, kKeyGroupCount>& keys) {
    constexpr std::uint32_t kRgb = 0xFFFFFF;
    for (std::size_t i = 0; i < kSchemes.size(); ++i) {
        const ColourScheme& scheme = kSchemes[i];
        if (scheme.windows != windows || scheme.windows == WindowColors::System) continue;
        bool same = (scheme.text & kRgb) == (text & kRgb) &&
                    (scheme.background & kRgb) == (background & kRgb);
        for (std::size_t k = 0; k < keys.size(); ++k)
            same = same && (scheme.keys[k] & kRgb) == (keys[k] & kRgb);
        if (same) return i;
    }
    return std::nullopt;
}

const DarkPaletteColours& DarkPalette() { return kDarkPalette; }

}  // namespace quorvix
