#include <gtest/gtest.h>

#include "platform/MemoryPrompter.h"
#include "userdefs/UserConstantsEditor.h"

using namespace quorvix;

namespace {

class ConstantsEditorTest : public ::testing::Test {
protected:
    void Type(const std::string& name, const std::string& unit, const std::string& value) {
        editor.nameText = name;
        editor.unitText = unit;
        editor.valueText = value;
    }
    std::string LastMessage() const {
        return prompter.shown.empty() ? std::string() : prompter.shown.back().text;
    }

    std::vector<UserConstant> list{{"g0", "m/s^2", 9.80665}};
    MemoryPrompter prompter;
    UserConstantsEditor editor{list, prompter};
};

}  // namespace

TEST_F(ConstantsEditorTest, OpensWithTheNamesAndNothingChanged) {
    EXPECT_EQ(editor.lines(), (std::vector<std::string>{"g0"}));
    EXPECT_FALSE(editor.removeEnabled());
    EXPECT_FALSE(editor.changed());
    EXPECT_EQ(editor.valueText, "0");
}

TEST_F(ConstantsEditorTest, AddAppendsTrimmedAndClearsTheFields) {
    Type("  c  ", " m/s ", "299792458");
    editor.Add();
    EXPECT_TRUE(prompter.shown.empty());
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1], (UserConstant{"c", "m/s", 299792458}));
    EXPECT_EQ(editor.lines().back(), "c");
    EXPECT_TRUE(editor.changed());
    EXPECT_EQ(editor.nameText, "");
    EXPECT_EQ(editor.unitText, "");
    EXPECT_EQ(editor.valueText, "0");
    EXPECT_EQ(editor.focus(), UserConstantsEditor::Field::Name);

    // Duplicate names are allowed; adding with a line selected appends.
    editor.Select(0);
    Type("g0", "", "10");
    editor.Add();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].value, 9.80665);
    EXPECT_EQ(list[2].value, 10.0);
}

TEST_F(ConstantsEditorTest, RefusalsInOrderWithCaptionAndIcon) {
    Type("   ", "", "5");
    editor.Add();
    EXPECT_EQ(LastMessage(), "Please fill out the Name, Unit (Optional), and Value of the constant");
    Type("zero", "", "0");
    editor.Add();
    EXPECT_EQ(LastMessage(), "Please fill out the Name, Unit (Optional), and Value of the constant");
    Type(std::string(51, 'n'), std::string(21, 'u'), "1");
    editor.Add();
    EXPECT_EQ(LastMessage(), "The name of the constant must be 50 characters or fewer.");
    Type(std::string(50, 'n'), std::string(21, 'u'), "1");
    editor.Add();
    EXPECT_EQ(LastMessage(), "The unit of the constant must be 20 characters or fewer.");
    ASSERT_EQ(prompter.shown.size(), 4u);
    for (const auto& m : prompter.shown) {
        EXPECT_EQ(m.caption, "Add Constants");
        EXPECT_EQ(m.icon, PromptIcon::Exclamation);
    }
    EXPECT_EQ(list.size(), 1u);
    EXPECT_FALSE(editor.changed());

    Type(std::string(50, 'n'), std::string(20, 'u'), "1");
    editor.Add();
    EXPECT_EQ(prompter.shown.size(), 4u);
    EXPECT_EQ(list.size(), 2u);
}

TEST_F(ConstantsEditorTest, UnreadableValueKeepsThePreviousValueAndUnit) {
    Type("a", "kg", "2");
    editor.Add();
    ASSERT_EQ(list.size(), 2u);
    // After an add the stored value is 0, so a bad value text ends in the
    // fill-out refusal, after the number message.
    Type("b", "m", "two");
    editor.Add();
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].text, "Please enter a number.");
    EXPECT_EQ(prompter.shown[1].text,
              "Please fill out the Name, Unit (Optional), and Value of the constant");
    EXPECT_EQ(list.size(), 2u);

    // With a value stored from a selected line, the bad text adds the old
    // value and the old unit under the new name.
    editor.Select(1);
    editor.nameText = "b";
    editor.unitText = "m";
    editor.valueText = "two";
    editor.Add();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[2], (UserConstant{"b", "kg", 2}));
}

TEST_F(ConstantsEditorTest, ThousandConstantsRefuseBeforeReadingTheFields) {
    list.resize(1000, UserConstant{"x", "", 1});
    UserConstantsEditor full(list, prompter);
    full.nameText = "y";
    full.valueText = "not a number";
    full.Add();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Only 1000 user-defined constants are allowed");
    EXPECT_EQ(prompter.shown[0].caption, "Add Constants");
    EXPECT_EQ(list.size(), 1000u);
}

TEST_F(ConstantsEditorTest, SelectShowsAndRemoveDeletesTheSameIndex) {
    Type("k", "", "1000");
    editor.Add();
    editor.Remove();  // nothing selected: nothing happens
    EXPECT_EQ(list.size(), 2u);
    editor.Select(0);
    EXPECT_TRUE(editor.removeEnabled());
    EXPECT_EQ(editor.nameText, "g0");
    EXPECT_EQ(editor.unitText, "m/s^2");
    EXPECT_EQ(editor.valueText, "9.80665");
    editor.Remove();
    EXPECT_FALSE(editor.removeEnabled());
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, "k");
    EXPECT_EQ(editor.lines(), (std::vector<std::string>{"k"}));
    editor.Select(0);
    editor.Remove();
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(editor.lines().empty());
    EXPECT_TRUE(editor.changed());
    editor.Select(5);  // out of range: ignored
    EXPECT_FALSE(editor.removeEnabled());

    MemoryHelpViewer help;
    editor.Help(help);
    EXPECT_EQ(help.requests, (std::vector<std::string>{"User-defined Constants"}));
}
