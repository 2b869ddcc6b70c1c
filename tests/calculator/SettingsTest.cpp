#include "calculator/Settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "platform/Locations.h"
#include "platform/MemorySettingsStore.h"
#include "platform/RunAtLogon.h"

namespace quorvix {
namespace {

struct SettingsFixture : ::testing::Test {
    MemorySettingsStore store;
    FixedLocations locations{"/data/quorvix", "/opt/quorvix/bin/quorvix"};
    MemoryRunAtLogon runAtLogon;
    SettingsContext context{&locations, 96};
};

TEST_F(SettingsFixture, FreshUserGetsTheDefaultsAndARunEntry) {
    const Settings s = LoadSettings(store, context, &runAtLogon);
    EXPECT_EQ(s.angleUnit, 1);
    EXPECT_EQ(s.numberBase, 10);
    EXPECT_EQ(s.decimalPlaces, 10);
    EXPECT_EQ(s.numberFormat, 0);
    EXPECT_EQ(s.mode, 0);
    EXPECT_TRUE(s.showFinanceBox);
    EXPECT_FALSE(s.showUnitConverter);
    EXPECT_TRUE(s.newLine);
    EXPECT_TRUE(s.showPopupHelp);
    EXPECT_TRUE(s.saveDisplay);
    EXPECT_FALSE(s.alwaysOnTop);
    EXPECT_FALSE(s.hideKeypad);
    EXPECT_EQ(s.width, 500);
    EXPECT_EQ(s.height, 400);
    EXPECT_EQ(s.displayFile, "/data/quorvix/Quorvix.qws");
    EXPECT_EQ(s.customKeys, MathKeyCaptions());
    EXPECT_EQ(s.foreColor, 0xFF0000u);
    EXPECT_EQ(s.backColor, 0xF2FFFFu);
    EXPECT_EQ(s.numberColor, 0xFFu);
    EXPECT_EQ(s.operatorSize, 13);
    // Fonts: the standard face; a height of 0 (missing) means -10 at 96 dpi.
    EXPECT_EQ(s.displayFont.faceName, "MS Sans Serif");
    EXPECT_EQ(s.displayFont.weight, 400);
    EXPECT_EQ(s.keypadFont.faceName, "MS Sans Serif");
    EXPECT_EQ(s.displayFont.height, -10);
    EXPECT_EQ(s.keypadFont.height, -10);

    EXPECT_TRUE(runAtLogon.registered);
    EXPECT_EQ(runAtLogon.program, "/opt/quorvix/bin/quorvix");
    EXPECT_EQ(runAtLogon.argument, "/i");
    EXPECT_EQ(store.ReadInt("Options", "FirstUse"), 0);
    // Only FirstUse is written while loading.
    EXPECT_EQ(store.writeLog, std::vector<std::string>{"Options/FirstUse"});
}

TEST_F(SettingsFixture, LaterStartsLeaveTheRunEntryAlone) {
    store.WriteInt("Options", "FirstUse", 0);
    store.writeLog.clear();
    LoadSettings(store, context, &runAtLogon);
    EXPECT_EQ(runAtLogon.calls, 0);
    EXPECT_TRUE(store.writeLog.empty());
}

TEST_F(SettingsFixture, FirstUseWithRunAtStartupOffRemovesTheEntry) {
    store.WriteInt("Options", "RunAtStartup", 0);
    runAtLogon.Register("old", "/i");
    LoadSettings(store, context, &runAtLogon);
    EXPECT_FALSE(runAtLogon.registered);
}

TEST_F(SettingsFixture, ReadSettingsNeverWrites) {
    const Settings s = ReadSettings(store, context);
    EXPECT_TRUE(s.firstUse);
    EXPECT_TRUE(store.writeLog.empty());
    EXPECT_EQ(store.size(), 0u);
}

TEST_F(SettingsFixture, NumberBaseOutsideTwoToThirtySixReadsAsTen) {
    for (int stored : {1, 40, 0, -16}) {
        store.WriteInt("Options", "NumberBase", stored);
        EXPECT_EQ(ReadSettings(store, context).numberBase, 10) << stored;
    }
    store.WriteInt("Options", "NumberBase", 36);
    EXPECT_EQ(ReadSettings(store, context).numberBase, 36);
    store.WriteInt("Options", "NumberBase", 2);
    EXPECT_EQ(ReadSettings(store, context).numberBase, 2);
}

TEST_F(SettingsFixture, OnlyTheExactDefaultWorksheetNameMovesToTheProgramDirectory) {
    store.WriteString("Options", "DisplayFile", "quorvix.qws");
    EXPECT_EQ(ReadSettings(store, context).displayFile, "quorvix.qws");
    store.WriteString("Options", "DisplayFile", "Quorvix.qws");
    EXPECT_EQ(ReadSettings(store, context).displayFile, "/data/quorvix/Quorvix.qws");
    store.WriteString("Options", "DisplayFile", "/home/u/sheet.qws");
    EXPECT_EQ(ReadSettings(store, context).displayFile, "/home/u/sheet.qws");
}

TEST_F(SettingsFixture, FaceNamesOfThirtyTwoCharactersFallBack) {
    const std::string face31(31, 'F');
    store.WriteString("Display", "FontFaceName", face31);
    store.WriteString("Keypad", "FontFaceName", std::string(32, 'K'));
    const Settings s = ReadSettings(store, context);
    EXPECT_EQ(s.displayFont.faceName, face31);
    EXPECT_EQ(s.keypadFont.faceName, "MS Sans Serif");
}

TEST_F(SettingsFixture, FontHeightZeroDependsOnResolution) {
    store.WriteInt("Display", "FontHeight", 0);
    store.WriteInt("Keypad", "FontHeight", -15);
    EXPECT_EQ(ReadSettings(store, context).displayFont.height, -10);
    EXPECT_EQ(ReadSettings(store, context).keypadFont.height, -15);
    SettingsContext hiDpi{&locations, 144};
    EXPECT_EQ(ReadSettings(store, hiDpi).displayFont.height, -16);
    // A missing height is the default 0: the same resolution-dependent
    // height, not the initial 8-point record height (-11 at 96 dpi).
    store.Remove("Display", "FontHeight");
    EXPECT_EQ(ReadSettings(store, context).displayFont.height, -10);
    EXPECT_EQ(ReadSettings(store, hiDpi).displayFont.height, -16);
    EXPECT_EQ(InitialFontRecord(96).height, -11);
    // Text where a number belongs is unreadable and also counts as 0.
    store.WriteString("Display", "FontHeight", "big");
    EXPECT_EQ(ReadSettings(store, context).displayFont.height, -10);
}

TEST_F(SettingsFixture, AbsurdSizesAreHeldToTheOptionsDialogsLimits) {
    // At 96 dpi 1 point is 1 pixel (truncated) and 72 points are 96 pixels.
    const struct {
        std::int32_t stored;
        std::int32_t keySize;     // as a key caption size
        std::int32_t fontHeight;  // as a font height
    } rows[] = {
        {-5000, 1, -96},
        {-97, 1, -96},
        {-96, 1, -96},
        {-1, 1, -1},
        {0, 1, -10},  // 0 is the default font height
        {1, 1, 1},
        {40, 40, 40},
        {41, 40, 41},
        {2147483647, 40, 96},
        {-2147483647 - 1, 1, -96},
    };
    for (const auto& row : rows) {
        for (const char* name : {"NumberSize", "OperatorSize", "FunctionSize"})
            store.WriteInt("Keypad", name, row.stored);
        store.WriteInt("Display", "FontHeight", row.stored);
        store.WriteInt("Keypad", "FontHeight", row.stored);
        const Settings s = ReadSettings(store, context);
        EXPECT_EQ(s.numberSize, row.keySize) << row.stored;
        EXPECT_EQ(s.operatorSize, row.keySize) << row.stored;
        EXPECT_EQ(s.functionSize, row.keySize) << row.stored;
        EXPECT_EQ(s.displayFont.height, row.fontHeight) << row.stored;
        EXPECT_EQ(s.keypadFont.height, row.fontHeight) << row.stored;
    }
    // The limit follows the resolution: 72 points are 144 pixels at 144 dpi.
    store.WriteInt("Display", "FontHeight", -5000);
    EXPECT_EQ(ReadSettings(store, SettingsContext{&locations, 144}).displayFont.height, -144);
}

TEST_F(SettingsFixture, UnreadableValuesKeepTheirDefaults) {
    store.WriteString("Options", "AngleUnit", "radians");  // text where a number belongs
    store.WriteInt("Options", "DisplayFile", 3);          // number where a text belongs
    const Settings s = ReadSettings(store, context);
    EXPECT_EQ(s.angleUnit, 1);
    EXPECT_EQ(s.displayFile, "/data/quorvix/Quorvix.qws");
}

TEST_F(SettingsFixture, SaveThenLoadRoundTripsEveryValue) {
    Settings s;
    s.mode = 2;
    s.angleUnit = 0;
    s.numberBase = 16;
    s.alwaysOnTop = true;
    s.hideKeypad = true;
    s.saveDisplay = false;
    s.showFinanceBox = false;
    s.showUnitConverter = true;
    s.useLargeFont = 7;
    s.newLine = false;
    s.numberFormat = 1;
    s.decimalPlaces = 3;
    s.showPopupHelp = false;
    s.runAtStartup = false;
    s.displayFile = "/tmp/x.qws";
    s.width = 640;
    s.height = 480;
    s.customKeys[20] = "fsum";
    s.foreColor = 0x123456;
    s.backColor = 0xFFFFFFFF;
    s.numberColor = 1;
    s.numberSize = 11;
    s.operatorColor = 2;
    s.operatorSize = 12;
    s.functionColor = 3;
    s.functionSize = 9;
    s.displayFont = {"Courier New", -20, 700, true, false, true};
    s.keypadFont = {"Arial", -12, 400, false, true, false};
    SaveSettings(s, store);

    Settings loaded = LoadSettings(store, context, &runAtLogon);
    EXPECT_TRUE(loaded.firstUse);  // FirstUse is never saved
    loaded.firstUse = s.firstUse;
    EXPECT_EQ(loaded.mode, s.mode);
    EXPECT_EQ(loaded.angleUnit, s.angleUnit);
    EXPECT_EQ(loaded.numberBase, s.numberBase);
    EXPECT_EQ(loaded.alwaysOnTop, s.alwaysOnTop);
    EXPECT_EQ(loaded.hideKeypad, s.hideKeypad);
    EXPECT_EQ(loaded.saveDisplay, s.saveDisplay);
    EXPECT_EQ(loaded.showFinanceBox, s.showFinanceBox);
    EXPECT_EQ(loaded.showUnitConverter, s.showUnitConverter);
    EXPECT_EQ(loaded.useLargeFont, 7);
    EXPECT_EQ(loaded.newLine, s.newLine);
    EXPECT_EQ(loaded.numberFormat, s.numberFormat);
    EXPECT_EQ(loaded.decimalPlaces, s.decimalPlaces);
    EXPECT_EQ(loaded.showPopupHelp, s.showPopupHelp);
    EXPECT_EQ(loaded.runAtStartup, s.runAtStartup);
    EXPECT_EQ(loaded.displayFile, s.displayFile);
    EXPECT_EQ(loaded.width, s.width);
    EXPECT_EQ(loaded.height, s.height);
    EXPECT_EQ(loaded.customKeys, s.customKeys);
    EXPECT_EQ(loaded.foreColor, s.foreColor);
    EXPECT_EQ(loaded.backColor, s.backColor);
    EXPECT_EQ(loaded.numberColor, s.numberColor);
    EXPECT_EQ(loaded.numberSize, s.numberSize);
    EXPECT_EQ(loaded.operatorColor, s.operatorColor);
    EXPECT_EQ(loaded.operatorSize, s.operatorSize);
    EXPECT_EQ(loaded.functionColor, s.functionColor);
    EXPECT_EQ(loaded.functionSize, s.functionSize);
    EXPECT_EQ(loaded.displayFont, s.displayFont);
    EXPECT_EQ(loaded.keypadFont, s.keypadFont);
}

TEST_F(SettingsFixture, SaveWritesInTheFixedOrderWithoutFirstUse) {
    SaveSettings(Settings{}, store);
    const auto& log = store.writeLog;
    ASSERT_EQ(log.size(), 17u + 21u + 8u + 12u + 2u);
    const std::vector<std::string> options = {
        "Options/Mode",         "Options/AngleUnit",     "Options/NumberBase",
        "Options/AlwaysOnTop",  "Options/HideKeypad",    "Options/SaveDisplay",
        "Options/ShowFinanceBox", "Options/ShowUnitConverter", "Options/NewLine",
        "Options/UseLargeFont", "Options/NumberFormat",  "Options/DecimalPlaces",
        "Options/ShowPopupHelp", "Options/RunAtStartup", "Options/Width",
        "Options/Height",       "Options/DisplayFile"};
    EXPECT_TRUE(std::equal(options.begin(), options.end(), log.begin()));
    EXPECT_EQ(log[17], "CustomKeys/Key0");
    EXPECT_EQ(log[37], "CustomKeys/Key20");
    EXPECT_EQ(log[38], "Display/ForeColor");
    EXPECT_EQ(log[40], "Keypad/NumberColor");
    EXPECT_EQ(log[45], "Keypad/FunctionSize");
    EXPECT_EQ(log[46], "Display/FontFaceName");
    EXPECT_EQ(log[52], "Keypad/FontFaceName");
    EXPECT_EQ(log[57], "Keypad/FontStrikeOut");
    // The keys added later come after all the older ones.
    EXPECT_EQ(log[58], "Display/HighlightSyntax");
    EXPECT_EQ(log[59], "Display/ColorScheme");
    EXPECT_EQ(std::count(log.begin(), log.end(), "Options/FirstUse"), 0);
}

// The colour scheme and the highlighting switch round-trip; a file written
// before they existed, or with a scheme this version does not know, reads as
// the stored colours with highlighting on.
TEST_F(SettingsFixture, SchemeAndHighlightingRoundTripAndOldFilesReadAsBefore) {
    for (WindowColors scheme : {WindowColors::Stored, WindowColors::Dark, WindowColors::System}) {
        MemorySettingsStore saved;
        Settings s;
        s.colorScheme = scheme;
        s.highlightSyntax = false;
        SaveSettings(s, saved);
        const Settings loaded = ReadSettings(saved, context);
        EXPECT_EQ(loaded.colorScheme, scheme);
        EXPECT_FALSE(loaded.highlightSyntax);
    }
    for (std::int32_t stored : {-1, 3, 1000}) {
        MemorySettingsStore odd;
        odd.WriteInt("Display", "ColorScheme", stored);
        EXPECT_EQ(ReadSettings(odd, context).colorScheme, WindowColors::Stored) << stored;
    }
    store.WriteInt("Display", "BackColor", 0x123456);
    const Settings old = ReadSettings(store, context);
    EXPECT_EQ(old.colorScheme, WindowColors::Stored);
    EXPECT_TRUE(old.highlightSyntax);
    EXPECT_EQ(old.backColor, 0x123456u);
}

TEST_F(SettingsFixture, TurningRunAtStartupOffRemovesTheEntryAtOnce) {
    Settings s;
    UpdateRunAtStartup(s, &locations, &runAtLogon);
    EXPECT_TRUE(runAtLogon.registered);
    s.runAtStartup = false;
    UpdateRunAtStartup(s, &locations, &runAtLogon);
    EXPECT_FALSE(runAtLogon.registered);
    UpdateRunAtStartup(s, &locations, nullptr);  // no host entry: nothing happens
}

TEST_F(SettingsFixture, ABuildTreeKeepsTheSettingButRegistersNothing) {
    const std::filesystem::path tree =
        std::filesystem::temp_directory_path() / ("qvx-build-" + std::to_string(::getpid()));
    std::filesystem::create_directories(tree / "bin");
    std::ofstream(tree / "CMakeCache.txt") << "# CMake cache\n";
    FixedLocations built{"/data/quorvix", (tree / "bin" / "quorvix").string()};
    EXPECT_TRUE(built.RunsFromBuildTree());
    EXPECT_FALSE(locations.RunsFromBuildTree());

    store.WriteInt("Options", "FirstUse", 1);
    const Settings s = LoadSettings(store, SettingsContext{&built, 96}, &runAtLogon);
    EXPECT_TRUE(s.runAtStartup);
    EXPECT_EQ(runAtLogon.calls, 0);
    // An entry written by an installed copy stays.
    runAtLogon.Register("/usr/bin/quorvix", "/i");
    UpdateRunAtStartup(s, &built, &runAtLogon);
    EXPECT_EQ(runAtLogon.program, "/usr/bin/quorvix");
    std::filesystem::remove_all(tree);
}

}  // namespace
}  // namespace quorvix
