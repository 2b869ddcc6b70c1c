#include "shell/TrayMenu.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

TEST(TrayMenu, EntriesInOrderWithTheCalculatorAsDefault) {
    const MenuItems menu = BuildTrayMenu();
    const std::pair<const char*, int> expected[] = {
        {"About &Quorvix...", kCmdTrayAbout},        {"", 0},
        {"Daltrane &HomePage", kCmdTrayHomepage},    {"E-mail &Your Comments", kCmdTrayMailComments},
        {"", 0},
        {"&Finance Box", kCmdTrayShowFinanceBox},    {"&Unit Converter", kCmdTrayShowUnitConverter},
        {"Expression &Calculator", kCmdTrayShowCalculator},
        {"", 0},
        {"&Exit Quorvix", kCmdTrayExit},
    };
    ASSERT_EQ(menu.size(), std::size(expected));
    for (std::size_t i = 0; i < menu.size(); ++i) {
        EXPECT_EQ(menu[i].caption, expected[i].first) << i;
        EXPECT_EQ(menu[i].command, expected[i].second) << i;
        EXPECT_EQ(menu[i].kind == MenuItem::Kind::Separator, expected[i].second == 0) << i;
        EXPECT_EQ(menu[i].isDefault, menu[i].command == kTrayDefaultCommand) << i;
        EXPECT_EQ(IsTrayCommand(menu[i].command), menu[i].command != 0) << i;
    }
}

TEST(TrayMenu, TipNamesTheProductWithinTheLimit) {
    const std::string tip = TrayTipText();
    EXPECT_EQ(tip.rfind("Quorvix - ", 0), 0u);
    EXPECT_LE(tip.size(), static_cast<std::size_t>(kTrayTipMaxLength));
}

}  // namespace
}  // namespace quorvix
