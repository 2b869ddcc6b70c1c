#include "shell/ColourSchemes.h"

#include <gtest/gtest.h>

#include "calculator/ColourContrast.h"
#include "calculator/Settings.h"

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

TEST(ColourSchemes, FoundByTheirColoursOnly) {
    for (std::size_t i = 0; i < ColourSchemes().size(); ++i) {
        const ColourScheme& s = ColourSchemes()[i];
        EXPECT_EQ(FindColourScheme(s.text | 0xFF000000, s.background, s.keys), i);
        auto keys = s.keys;
        keys[1] ^= 1;
        EXPECT_EQ(FindColourScheme(s.text, s.background, keys), std::nullopt);
    }
}

}  // namespace
