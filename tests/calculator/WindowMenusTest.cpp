#include "calculator/WindowMenus.h"
#include "calculator/FontRecord.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <utility>

#include "calculator/Settings.h"
#include "platform/CommandIds.h"
#include "units/ConversionList.h"
#include "userdefs/UserDefinitions.h"

namespace quorvix {
namespace {

// The upper-cased character after a single '&' ("&&" is a literal '&'),
// or 0 for a caption without a mnemonic.
char MnemonicOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
        ++i;
    }
    return 0;
}

// Within one menu no two entries share a mnemonic, and an entry without one
// has no letter or digit left that it could take.
void ExpectUniqueMnemonics(const MenuItems& menu, const std::string& where) {
    std::set<char> used;
    for (const MenuItem& item : menu) {
        const char key = MnemonicOf(item.caption);
        if (key != 0) {
            EXPECT_TRUE(used.insert(key).second) << where << ": " << item.caption;
        }
    }
    for (const MenuItem& item : menu) {
        if (item.kind == MenuItem::Kind::Separator || MnemonicOf(item.caption) != 0) continue;
        for (const char c : item.caption) {
            const char key = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (std::isalnum(static_cast<unsigned char>(c))) {
                EXPECT_TRUE(used.count(key)) << where << ": " << item.caption << " could take " << c;
            }
        }
    }
}

// Walks the window's own menus. The catalogue lists under "&Functions"
// (function, constant and unit names, and the user's own) are lists of
// names, not commands, and are not given mnemonics.
void WalkMenus(const MenuItems& menu, const std::string& where) {
    ExpectUniqueMnemonics(menu, where);
    for (const MenuItem& item : menu) {
        if (item.kind != MenuItem::Kind::Submenu) continue;
        if (item.caption == "&Functions")
            ExpectUniqueMnemonics(item.children, item.caption);
        else
            WalkMenus(item.children, where + " > " + item.caption);
    }
}

TEST(WindowMenus, EveryMenuEntryHasItsOwnMnemonic) {
    ConversionList conversions;
    UserDefinitions userDefinitions(conversions);
    WalkMenus(BuildWindowMenuBar(Settings{}, userDefinitions), "menu bar");
    EXPECT_EQ(MnemonicOf("Load &&Go"), 0);
    EXPECT_EQ(MnemonicOf("Sa&ve"), 'V');
}

// Each standard key runs the entry that shows it; a key no entry shows runs
// nothing.
TEST(WindowMenus, ShortcutsFindTheirEntries) {
    ConversionList conversions;
    UserDefinitions userDefinitions(conversions);
    const MenuItems bar = BuildWindowMenuBar(Settings{}, userDefinitions);
    const std::pair<const char*, int> kTable[] = {
        {"Ctrl+Q", kCmdExit},           {"Ctrl+S", kCmdSaveWorksheet},
        {"Ctrl+O", kCmdLoadWorksheet},  {"Ctrl++", kCmdZoomIn},
        {"Ctrl+-", kCmdZoomOut},        {"Ctrl+0", kCmdZoomReset},
        {"Ctrl+Shift+C", kCmdCopyAnswer}, {"Ctrl+P", kCmdPlot},
        {"F1", kCmdHelpSearch},         {"Ctrl+K", kCmdSearchCatalogue},
        {"Ctrl+C", 0},
        {"", 0},
    };
    for (const auto& [keys, command] : kTable)
        EXPECT_EQ(CommandForShortcut(bar, keys), command) << keys;
}

// Zooming steps whole points within the size limits; 0 returns to the
// initial 8 points, as does zooming a record of the default size (0).
TEST(WindowMenus, ZoomedFontHeightStepsPoints) {
    struct Row { std::int32_t height; int steps; int dpi; std::int32_t expected; };
    const Row kRows[] = {
        {-16, 1, 96, FontHeightForPoints(96, 13)},   // 12 points -> 13
        {-16, -2, 96, FontHeightForPoints(96, 10)},
        {16, 1, 96, FontHeightForPoints(96, 13)},    // a positive height counts the same
        {-16, 0, 96, InitialFontRecord(96).height},
        {0, 1, 96, FontHeightForPoints(96, 9)},
        {-96, 5, 96, FontHeightForPoints(96, kMaxFontPoints)},
        {-2, -5, 96, FontHeightForPoints(96, kMinFontPoints)},
        {-32, 1, 192, FontHeightForPoints(192, 13)},
    };
    for (const Row& row : kRows)
        EXPECT_EQ(ZoomedFontHeight(row.height, row.steps, row.dpi), row.expected)
            << row.height << " " << row.steps << " " << row.dpi;
}

}  // namespace
}  // namespace quorvix
