#include <gtest/gtest.h>

#include "userdefs/UserMenus.h"

using namespace quorvix;

TEST(UserMenus, ConstantsEntriesShowTheUnitAndNumberTheCommands) {
    const std::vector<UserConstant> constants = {{"g0", "m/s^2", 9.80665}, {"k", "", 1000}};
    const UserSubmenu menu = BuildUserConstantsMenu(constants);
    EXPECT_EQ(menu.caption, "User-defined constants");
    EXPECT_EQ(menu.position, 36);
    ASSERT_EQ(menu.entries.size(), 4u);
    EXPECT_EQ(menu.entries[0].text, "&Edit...");
    EXPECT_EQ(menu.entries[0].command, 128);
    EXPECT_TRUE(menu.entries[1].separator());
    EXPECT_EQ(menu.entries[2].text, "g0 (m/s^2)");
    EXPECT_EQ(menu.entries[2].command, 25000);
    EXPECT_EQ(menu.entries[3].text, "k");
    EXPECT_EQ(menu.entries[3].command, 25001);
}

TEST(UserMenus, EmptyListsHaveOnlyTheEditEntry) {
    ConversionList list;
    for (const UserSubmenu& menu :
         {BuildUserConstantsMenu({}), BuildUserConversionsMenu(list), BuildUserFunctionsMenu({})}) {
        ASSERT_EQ(menu.entries.size(), 1u) << menu.caption;
        EXPECT_EQ(menu.entries[0].text, "&Edit...");
    }
    EXPECT_EQ(BuildUserConversionsMenu(list).entries[0].command, 129);
    EXPECT_EQ(BuildUserFunctionsMenu({}).entries[0].command, 130);
}

TEST(UserMenus, ConversionsAndFunctionsEntries) {
    ConversionList list;
    ASSERT_TRUE(list.AppendUserConversion("furlong", "meter", 201.168));
    ASSERT_TRUE(list.AppendUserConversion("smoot", "cm", 170.18));
    const UserSubmenu conversions = BuildUserConversionsMenu(list);
    EXPECT_EQ(conversions.caption, "User-defined conversions");
    EXPECT_EQ(conversions.position, 3);
    ASSERT_EQ(conversions.entries.size(), 4u);
    EXPECT_EQ(conversions.entries[2].text, "furlong -> meter");
    EXPECT_EQ(conversions.entries[2].command, 26000);
    EXPECT_EQ(conversions.entries[3].text, "smoot -> cm");
    EXPECT_EQ(conversions.entries[3].command, 26001);

    UserFunction f;
    f.name = "Hyp";
    f.syntax = "x, y";
    const UserSubmenu functions = BuildUserFunctionsMenu({f});
    EXPECT_EQ(functions.caption, "User-defined functions");
    EXPECT_EQ(functions.position, 15);
    ASSERT_EQ(functions.entries.size(), 3u);
    EXPECT_EQ(functions.entries[2].text, "Hyp");
    EXPECT_EQ(functions.entries[2].command, 27000);
}

TEST(UserMenus, ChosenEntriesInsertValuesFactorsAndCalls) {
    ConversionList list;
    ASSERT_TRUE(list.AppendUserConversion("furlong", "meter", 201.168));
    const std::vector<UserConstant> constants = {{"g0", "m/s^2", 9.80665},
                                                 {"N", "", 6.02214076e23}};
    UserFunction f;
    f.name = "Hyp";
    f.syntax = "x, y";
    const std::vector<UserFunction> functions = {f};

    auto insertion = UserMenuCommandInsertion(25000, constants, list, functions);
    ASSERT_TRUE(insertion);
    EXPECT_EQ(insertion->text, "9.80665");
    EXPECT_EQ(insertion->caretBackFromEnd, 0);
    insertion = UserMenuCommandInsertion(25001, constants, list, functions);
    ASSERT_TRUE(insertion);
    EXPECT_EQ(insertion->text, "6.02214076E+023");

    insertion = UserMenuCommandInsertion(26000, constants, list, functions);
    ASSERT_TRUE(insertion);
    EXPECT_EQ(insertion->text, "*201.168");

    insertion = UserMenuCommandInsertion(27000, constants, list, functions);
    ASSERT_TRUE(insertion);
    EXPECT_EQ(insertion->text, "Hyp()");
    EXPECT_EQ(insertion->caretBackFromEnd, 1);
    EXPECT_EQ(insertion->tip, "Syntax: Hyp(x, y)");

    for (int command : {24999, 25002, 26001, 27001, 128, 0, -1}) {
        EXPECT_FALSE(UserMenuCommandInsertion(command, constants, list, functions)) << command;
    }
}
