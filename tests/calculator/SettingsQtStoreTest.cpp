// Settings through the real QSettings store, into a temporary data directory.

#include <gtest/gtest.h>

#include <filesystem>

#include "../platform/TempDirectory.h"
#include "calculator/Settings.h"
#include "platform/qt/QtLocations.h"
#include "platform/qt/QtSettingsStore.h"

namespace quorvix {
namespace {

TEST(SettingsQtStoreTest, EveryValueSurvivesARoundTripThroughTheIniFile) {
    TempDirectory dir;
    ASSERT_FALSE(dir.path.empty());
    QtLocations locations(dir.path);
    const SettingsContext context{&locations, 96};

    Settings s;
    s.mode = 2;
    s.angleUnit = 0;
    s.numberBase = 16;
    s.alwaysOnTop = true;
    s.saveDisplay = false;
    s.newLine = false;
    s.numberFormat = 1;
    s.decimalPlaces = 0;
    s.displayFile = dir.path + "/other sheet.qws";
    s.width = 640;
    s.customKeys[3] = "Sinh";
    s.foreColor = 0x123456;
    s.operatorSize = 17;
    s.displayFont.faceName = "DejaVu Sans Mono";
    s.displayFont.height = -15;
    s.displayFont.weight = 700;
    s.displayFont.italic = true;
    s.keypadFont.strikeOut = true;
    {
        QtSettingsStore store(dir.path);
        SaveSettings(s, store);
        store.Flush();
    }
    ASSERT_TRUE(std::filesystem::exists(dir.path + "/Quorvix.ini"));

    QtSettingsStore reopened(dir.path);
    const Settings r = ReadSettings(reopened, context);
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.angleUnit, 0);
    EXPECT_EQ(r.numberBase, 16);
    EXPECT_TRUE(r.alwaysOnTop);
    EXPECT_FALSE(r.saveDisplay);
    EXPECT_FALSE(r.newLine);
    EXPECT_EQ(r.numberFormat, 1);
    EXPECT_EQ(r.decimalPlaces, 0);
    EXPECT_EQ(r.displayFile, s.displayFile);
    EXPECT_EQ(r.width, 640);
    EXPECT_EQ(r.customKeys, s.customKeys);
    EXPECT_EQ(r.foreColor, 0x123456u);
    EXPECT_EQ(r.operatorSize, 17);
    EXPECT_EQ(r.displayFont, s.displayFont);
    EXPECT_EQ(r.keypadFont, s.keypadFont);
}

TEST(SettingsQtStoreTest, AnEmptyDataDirectoryGivesTheDefaults) {
    TempDirectory dir;
    ASSERT_FALSE(dir.path.empty());
    QtLocations locations(dir.path);
    QtSettingsStore store(dir.path);
    const Settings r = ReadSettings(store, SettingsContext{&locations, 96});
    const Settings defaults;
    EXPECT_EQ(r.angleUnit, defaults.angleUnit);
    EXPECT_EQ(r.numberBase, 10);
    EXPECT_EQ(r.decimalPlaces, 10);
    EXPECT_EQ(r.customKeys, defaults.customKeys);
    // Reading never creates the file.
    EXPECT_FALSE(std::filesystem::exists(dir.path + "/Quorvix.ini"));
}

}  // namespace
}  // namespace quorvix
