#include "calculator/CatalogueMenus.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "KeypadTestHost.h"
#include "units/PhysicalConstants.h"
#include "units/UnitCatalogue.h"

namespace quorvix {
namespace {

TEST(CatalogueMenus, ConstantsMenuHasThirtyFiveEntriesAndASeparator) {
    const MenuItems menu = BuildConstantsMenu();
    ASSERT_EQ(menu.size(), 36u);
    for (int k = 0; k < 35; ++k) {
        EXPECT_EQ(menu[k].kind, MenuItem::Kind::Command);
        EXPECT_EQ(menu[k].command, 20000 + k);
        const ConstantRecord& row = PhysicalConstantAt(k);
        EXPECT_EQ(menu[k].caption,
                  std::string(row.name) + " (" + std::string(row.unit) + ")");
    }
    EXPECT_EQ(menu[35].kind, MenuItem::Kind::Separator);
}

TEST(CatalogueMenus, ConversionsMenuHasBothDirections) {
    const MenuItems menu = BuildConversionsMenu();
    ASSERT_EQ(menu.size(), 3u);
    EXPECT_EQ(menu[0].caption, "English to Metric");
    EXPECT_EQ(menu[1].caption, "Metric to English");
    EXPECT_EQ(menu[2].kind, MenuItem::Kind::Separator);
    ASSERT_EQ(menu[0].children.size(), 14u);
    ASSERT_EQ(menu[1].children.size(), 14u);
    EXPECT_EQ(menu[0].children[0].caption, "acre -> square meter");
    EXPECT_EQ(menu[0].children[0].command, 20035);
    EXPECT_EQ(menu[1].children[0].caption, "square meter -> acre");
    EXPECT_EQ(menu[1].children[0].command, 20049);
    EXPECT_EQ(menu[1].children[13].command, 20062);
    // Read "to", not "minus greater than"; the caption keeps its arrow.
    EXPECT_EQ(menu[0].children[0].spokenName, "acre to square meter");
    EXPECT_EQ(menu[1].children[0].spokenName, "square meter to acre");
    for (const MenuItem& submenu : {menu[0], menu[1]})
        for (const MenuItem& entry : submenu.children)
            EXPECT_EQ(entry.spokenName.find("->"), std::string::npos) << entry.caption;
    MenuItems withUser = menu;
    AppendUserSubmenu(withUser, {"User-defined conversions", 3, {{"fathom -> meter", 26000}}});
    EXPECT_EQ(withUser.back().children[0].spokenName, "fathom to meter");
}

TEST(CatalogueMenus, FunctionsMenuOrderLeavesTheUserSubmenuAtFifteen) {
    const MenuItems menu = BuildFunctionsMenu();
    ASSERT_EQ(menu.size(), 15u);
    const char* expected[] = {"Algebraic functions", "Trigonometric functions",
                              "Inverse trigonometric functions", "Hyperbolic functions",
                              "Inverse hyperbolic functions", "Solver functions",
                              "Base-conversion functions", "Bitwise operations", nullptr,
                              "Financial functions", nullptr, "Statistical functions", nullptr,
                              "Special functions", nullptr};
    for (int i = 0; i < 15; ++i) {
        if (expected[i] == nullptr) {
            EXPECT_EQ(menu[i].kind, MenuItem::Kind::Separator) << i;
        } else {
            EXPECT_EQ(menu[i].kind, MenuItem::Kind::Submenu) << i;
            EXPECT_EQ(menu[i].caption, expected[i]);
        }
    }
    const MenuItem& solver = menu[5];
    ASSERT_EQ(solver.children.size(), 5u);
    EXPECT_EQ(solver.children[3].caption, "FZeros");
    EXPECT_EQ(solver.children[3].command, 20145);
    EXPECT_EQ(solver.children[3].description, "Finds all roots of f(t) in a specified interval");
    for (const MenuItem& group : menu)
        for (const MenuItem& entry : group.children)
            EXPECT_FALSE(entry.description.empty()) << entry.caption;
}

TEST(CatalogueMenus, MenuBarHoldsTheThreeMenus) {
    const MenuItems bar = BuildCatalogueMenuBar();
    ASSERT_EQ(bar.size(), 3u);
    EXPECT_EQ(bar[0].caption, "&Constants");
    EXPECT_EQ(bar[1].caption, "Con&versions");
    EXPECT_EQ(bar[2].caption, "Func&tions");
    EXPECT_EQ(bar[2].children.size(), 15u);
}

TEST(CatalogueCommands, ConversionEntriesInsertTheFactorOrItsReciprocal) {
    const double acre = ConversionsMenuRowAt(0).factor;
    const auto forward = CatalogueInsertText(20035);
    ASSERT_TRUE(forward);
    EXPECT_EQ(*forward, "*4046.8564224");
    const auto reverse = CatalogueInsertText(20049);
    ASSERT_TRUE(reverse);
    ASSERT_EQ(reverse->front(), '*');
    EXPECT_EQ(*reverse, "*0.000247105381467165");
    EXPECT_NEAR(std::strtod(reverse->c_str() + 1, nullptr), 1.0 / acre, 1e-18);
    EXPECT_FALSE(CatalogueInsertText(20063));
    EXPECT_FALSE(CatalogueInsertText(19999));
}

TEST(CatalogueCommands, ConstantEntryInsertsItsValue) {
    KeypadTestHost host;
    EXPECT_TRUE(RunCatalogueCommand(20000, host));
    EXPECT_EQ(host.Typed(), PhysicalConstantInsertText(0));
    EXPECT_EQ(host.helpKeyword, "");
}

TEST(CatalogueCommands, FunctionEntryInsertsCallAndShowsSyntax) {
    KeypadTestHost host;
    EXPECT_TRUE(RunCatalogueCommand(20083, host));  // ArcSin
    EXPECT_EQ(host.Typed(), "ArcSin()");
    EXPECT_EQ(host.display.CaretPosition(), 7);
    EXPECT_EQ(host.helpLine, "  Syntax: ArcSin(x)");
    EXPECT_EQ(host.helpKeyword, "ArcSin");
    EXPECT_FALSE(RunCatalogueCommand(20162, host));
}

TEST(CatalogueCommands, InsertFunctionWorksForUserRows) {
    KeypadTestHost host;
    host.display.SetText("2*");
    InsertFunction({"Area", 2, 2, "a, b", "Rectangle area", "a*b"}, host);
    EXPECT_EQ(host.Typed(), "2*Area()");
    EXPECT_EQ(host.display.CaretPosition(), 7);
    EXPECT_EQ(host.helpLine, "  Syntax: Area(a, b)");
}

}  // namespace
}  // namespace quorvix

namespace quorvix {
namespace {

TEST(CatalogueMenus, UserSubmenuIsReplacedNotDuplicated) {
    MenuItems menu = BuildFunctionsMenu();
    UserSubmenu user{"User-defined functions", 15, {{"&Edit...", 130}, {"", 0}, {"Area", 27000}}};
    AppendUserSubmenu(menu, user);
    ASSERT_EQ(menu.size(), 16u);
    const MenuItem& sub = menu[15];
    EXPECT_EQ(sub.caption, "User-defined functions");
    ASSERT_EQ(sub.children.size(), 3u);
    EXPECT_EQ(sub.children[0].caption, "&Edit...");
    EXPECT_EQ(sub.children[0].command, 130);
    EXPECT_EQ(sub.children[1].kind, MenuItem::Kind::Separator);
    EXPECT_EQ(sub.children[2].command, 27000);
    user.entries.resize(1);
    AppendUserSubmenu(menu, user);
    ASSERT_EQ(menu.size(), 16u);
    EXPECT_EQ(menu[15].children.size(), 1u);
    // The constants menu: the user submenu sits at 36.
    MenuItems constants = BuildConstantsMenu();
    AppendUserSubmenu(constants, {"User-defined constants", 36, {{"&Edit...", 128}}});
    AppendUserSubmenu(constants, {"User-defined constants", 36, {{"&Edit...", 128}}});
    EXPECT_EQ(constants.size(), 37u);
}

}  // namespace
}  // namespace quorvix
