#include "shell/ColourSchemes.h"

#include <gtest/gtest.h>

#include "calculator/ColourContrast.h"
#include "calculator/Settings.h"
#include "shell/HighlightColours.h"

using namespace quorvix;

namespace {

TEST(ColourContrast, RatiosOfKnownPairs) {
    const struct {
        std::uint32_t a, b;
        double ratio;
    } rows[] = {
        {0x000000, 0xFFFFFF, 21.0},  // black on white, the largest
        {0x777777, 0x777777, 1.0},
        {0x767676, 0xFFFFFF, 4.54},  // the lightest grey that reads on white
        {0x0000FF, 0xEFEFEF, 3.48},  // the default red digits on a light face
        {0x00FFFF, 0xEFEFEF, 1.08},  // the default yellow operators
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(ContrastRatio(row.a, row.b), row.ratio, 0.01) << std::hex << row.a;
        EXPECT_DOUBLE_EQ(ContrastRatio(row.a, row.b), ContrastRatio(row.b, row.a));
    }
}

// A colour that reads is kept; one that does not moves towards black on a
// light background and towards white on a dark one, no further than needed.
TEST(ColourContrast, ReadableOnKeepsTheHueAsFarAsItCan) {
    const struct {
        std::uint32_t colour, background;
        bool kept, darker;
    } rows[] = {
        {0xFF0000, 0xF2FFFF, true, false},   // the default blue text
        {0x00FFFF, 0xEFEFEF, false, true},   // yellow on a light face
        {0xFF0000, 0x1E1E1E, false, false},  // blue on near black
        {0x777777, 0x777777, false, true},   // grey on itself: to black
    };
    for (const auto& row : rows) {
        const std::uint32_t readable = ReadableOn(row.colour, row.background);
        EXPECT_GE(ContrastRatio(readable, row.background), kMinTextContrast) << std::hex << row.colour;
        EXPECT_EQ(readable == row.colour, row.kept) << std::hex << row.colour;
        if (row.kept) continue;
        EXPECT_EQ(RelativeLuminance(readable) < RelativeLuminance(row.colour), row.darker);
        EXPECT_LT(ContrastRatio(readable, row.background), kMinTextContrast + 1.0);
    }
}

TEST(ColourSchemes, DefaultSchemeKeepsTheDefaultColours) {
    const Settings defaults;
    const ColourScheme& scheme = ColourSchemes().front();
    EXPECT_EQ(scheme.text, defaults.foreColor);
    EXPECT_EQ(scheme.background, defaults.backColor);
    EXPECT_EQ(scheme.Key(KeyGroup::Number), defaults.numberColor);
    EXPECT_EQ(scheme.Key(KeyGroup::Operator), defaults.operatorColor);
    EXPECT_EQ(scheme.Key(KeyGroup::Function), defaults.functionColor);
}

// Every caption of the high-contrast scheme, on every light key face, and
// the display text on its background.
TEST(ColourSchemes, HighContrastCaptionsReadOnEveryLightKeyFace) {
    const ColourScheme& scheme = ColourSchemes()[1];
    EXPECT_STREQ(scheme.name, "High contrast");
    EXPECT_GE(ContrastRatio(scheme.text, scheme.background), kMinTextContrast);
    for (KeyGroup group : {KeyGroup::Number, KeyGroup::Operator, KeyGroup::Function})
        for (std::uint32_t face : kLightKeyFaces)
            EXPECT_GE(ContrastRatio(scheme.Key(group), face), kMinTextContrast)
                << "group " << static_cast<int>(group) << " face " << std::hex << face;
}

TEST(ColourSchemes, FoundByTheirColoursAndWindows) {
    for (std::size_t i = 0; i < ColourSchemes().size(); ++i) {
        const ColourScheme& s = ColourSchemes()[i];
        const auto expected = i == kSystemSchemeIndex ? std::nullopt : std::optional(i);
        EXPECT_EQ(FindColourScheme(s.windows, s.text | 0xFF000000, s.background, s.keys), expected);
        auto keys = s.keys;
        keys[1] ^= 1;
        EXPECT_EQ(FindColourScheme(s.windows, s.text, s.background, keys), std::nullopt);
    }
    // The dark colours on the desktop's palette are colours of one's own.
    const ColourScheme& dark = ColourSchemes()[kDarkSchemeIndex];
    EXPECT_EQ(FindColourScheme(WindowColors::Stored, dark.text, dark.background, dark.keys),
              std::nullopt);
}

// The settings a scheme leaves behind.
Settings WithScheme(const ColourScheme& scheme) {
    Settings s;
    s.colorScheme = scheme.windows;
    s.foreColor = scheme.text;
    s.backColor = scheme.background;
    s.numberColor = scheme.Key(KeyGroup::Number);
    s.operatorColor = scheme.Key(KeyGroup::Operator);
    s.functionColor = scheme.Key(KeyGroup::Function);
    return s;
}

// Every scheme but the default: the captions on the key faces they are
// drawn on, the display text, and every highlight colour on the display's
// background and on the error mark, at 4.5:1 or better. The system colours
// over a light, a dark, a mid-grey and a tinted desktop palette.
TEST(ColourSchemes, CaptionsAndHighlightsReadInEveryScheme) {
    const std::vector<std::uint32_t> lightFaces(kLightKeyFaces.begin(), kLightKeyFaces.end());
    const struct {
        const char* name;
        ColourScheme scheme;
        std::vector<std::uint32_t> faces;
    } rows[] = {
        {"high contrast", ColourSchemes()[kHighContrastSchemeIndex], lightFaces},
        {"dark", ColourSchemes()[kDarkSchemeIndex], {DarkPalette().button}},
        {"system light", SystemColourScheme(0x000000, 0xFFFFFF, 0xF1F0EF), {0xF1F0EF}},
        {"system dark", SystemColourScheme(0xF1F0EF, 0x2A2523, 0x3B3631), {0x3B3631}},
        {"system grey", SystemColourScheme(0x202020, 0x9A9A9A, 0x808080), {0x808080}},
        {"system tinted", SystemColourScheme(0xFFFFFF, 0x6E2C00, 0xDCA050), {0xDCA050}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ColourScheme& scheme = row.scheme;
        EXPECT_GE(ContrastRatio(scheme.text, scheme.background), kMinTextContrast);
        for (std::uint32_t caption : scheme.keys)
            for (std::uint32_t face : row.faces)
                EXPECT_GE(ContrastRatio(caption, face), kMinTextContrast) << std::hex << caption;
        const HighlightColours h = HighlightColoursFor(WithScheme(scheme));
        for (std::uint32_t text : {h.answer, h.function, h.variable, h.number, h.operation}) {
            EXPECT_GE(ContrastRatio(text, scheme.background), kMinTextContrast) << std::hex << text;
            EXPECT_GE(ContrastRatio(text, h.errorBackground), kMinTextContrast) << std::hex << text;
        }
        // The kinds of text stay apart.
        EXPECT_NE(h.function, h.number);
        EXPECT_NE(h.variable, h.operation);
    }
    // The default colours keep the default highlight colours: answers in
    // the display's text colour.
    const HighlightColours defaults = HighlightColoursFor(Settings{});
    EXPECT_EQ(defaults.answer, Settings{}.foreColor);
    EXPECT_EQ(defaults.function, 0x8B008Bu);
}

}  // namespace
