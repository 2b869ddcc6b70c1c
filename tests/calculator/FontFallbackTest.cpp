#include "calculator/FontFallback.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

FontRecord Record(const char* face, std::int32_t height) {
    FontRecord record;
    record.faceName = face;
    record.height = height;
    return record;
}

// Which family and size a stored font is drawn in, at 96 dots per inch.
TEST(FontFallback, MissingFacesTakeTheSystemFontRaisedToItsDefaultSize) {
    const SystemFont mono{"DejaVu Sans Mono", 10};
    const struct {
        const char* name;
        FontRecord record;
        bool installed;
        SystemFont system;
        const char* family;
        double points;
    } rows[] = {
        {"installed, as stored", Record("Courier New", -16), true, mono, "Courier New", 12},
        {"default height 0", Record("MS Sans Serif", 0), false, mono, "DejaVu Sans Mono", 10},
        {"initial -11", Record("MS Sans Serif", -11), false, mono, "DejaVu Sans Mono", 10},
        {"read default -10", Record("MS Sans Serif", -10), false, mono, "DejaVu Sans Mono", 10},
        {"zoomed to 12", Record("MS Sans Serif", -16), false, mono, "DejaVu Sans Mono", 14},
        {"zoomed out to 5", Record("MS Sans Serif", -7), false, mono, "DejaVu Sans Mono", 7},
        {"largest stays 72", Record("MS Sans Serif", -96), false, mono, "DejaVu Sans Mono", 72},
        {"small system font", Record("MS Sans Serif", -16), false, {"Tiny", 6}, "Tiny", 12},
        {"no system font", Record("MS Sans Serif", -16), false, {"", 10}, "MS Sans Serif", 12},
    };
    for (const auto& row : rows) {
        const ShownFont shown = ChooseShownFont(row.record, 96, row.installed, row.system);
        EXPECT_EQ(shown.family, row.family) << row.name;
        EXPECT_DOUBLE_EQ(shown.points, row.points) << row.name;
        EXPECT_EQ(shown.substituted, shown.family != row.record.faceName) << row.name;
    }
}

// Every zoom step of the stored height shows as a step of the drawn size.
TEST(FontFallback, ZoomStepsStillShowWithTheSystemFont) {
    const SystemFont mono{"Mono", 11};
    double previous = 0;
    for (int points = 1; points <= 20; ++points) {
        const FontRecord record = Record("MS Sans Serif", FontHeightForPoints(96, points));
        const double shown = ChooseShownFont(record, 96, false, mono).points;
        EXPECT_GT(shown, previous) << points;
        previous = shown;
    }
    EXPECT_EQ(FontSubstitutionNote("Display", "Courier New", "DejaVu Sans Mono"),
              "Display font \"Courier New\" is not installed; using \"DejaVu Sans Mono\".");
}

}  // namespace
}  // namespace quorvix
