#include <gtest/gtest.h>

#include <string>

#include "platform/MemoryPrompter.h"
#include "units/UnitConversionEngine.h"
#include "userdefs/UserConversionsEditor.h"

using namespace quorvix;

namespace {

class ConversionsEditorTest : public ::testing::Test {
protected:
    void Type(const std::string& from, const std::string& to, const std::string& factor) {
        editor.fromText = from;
        editor.toText = to;
        editor.factorText = factor;
    }

    ConversionList list;
    UnitConversionEngine converter{list};
    MemoryPrompter prompter;
    UserConversionsEditor editor{list, converter, prompter};
};

}  // namespace

TEST_F(ConversionsEditorTest, AddsNewConversionsAfterTheBuiltInRows) {
    Type(" blip ", "meter", "201.168");
    editor.Add();
    EXPECT_TRUE(prompter.shown.empty());
    ASSERT_EQ(list.size(), 276);
    EXPECT_EQ(list.at(275).name, "blip");
    EXPECT_EQ(list.at(275).base, "meter");
    EXPECT_EQ(list.at(275).factor, 201.168);
    EXPECT_EQ(editor.lines(), (std::vector<std::string>{"blip -> meter"}));
    EXPECT_TRUE(editor.changed());
    EXPECT_EQ(editor.fromText, "");
    EXPECT_EQ(editor.factorText, "0");
    EXPECT_EQ(editor.focus(), UserConversionsEditor::Field::From);

    // The same conversion again is now possible through the list: refused.
    Type("blip", "meter", "201.168");
    editor.Add();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "The specified conversion already exists.");
    EXPECT_EQ(prompter.shown[0].caption, "Quorvix");
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::None);
    EXPECT_EQ(list.size(), 276);
}

TEST_F(ConversionsEditorTest, ConversionsTheEngineAlreadyMakesAreRefused) {
    Type("inch", "centimeter", "2.54");
    editor.Add();
    Type("Meter", "meter", "1");
    editor.Add();
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[1].text, "The specified conversion already exists.");
    EXPECT_EQ(list.size(), 275);
    EXPECT_FALSE(editor.changed());
}

TEST_F(ConversionsEditorTest, RefusalsWithCaptionAndLimits) {
    Type("", "meter", "2");
    editor.Add();
    Type("a", "meter", "0");
    editor.Add();
    Type(std::string(51, 'a'), "meter", "2");
    editor.Add();
    Type("a", std::string(51, 'b'), "2");
    editor.Add();
    ASSERT_EQ(prompter.shown.size(), 4u);
    const char* fill =
        "Please fill out the From Unit, the To Unit, and the Conversion Factor for the conversion";
    const char* tooLong = "The names of the conversion units must be 50 characters or fewer.";
    EXPECT_EQ(prompter.shown[0].text, fill);
    EXPECT_EQ(prompter.shown[1].text, fill);
    EXPECT_EQ(prompter.shown[2].text, tooLong);
    EXPECT_EQ(prompter.shown[3].text, tooLong);
    for (const auto& m : prompter.shown) {
        EXPECT_EQ(m.caption, "Add Conversions");
        EXPECT_EQ(m.icon, PromptIcon::Exclamation);
    }

    Type(std::string(50, 'a'), std::string(50, 'b'), "2");
    editor.Add();
    EXPECT_EQ(list.size(), 276);
}

TEST_F(ConversionsEditorTest, UnreadableFactorKeepsAllThreePreviousValues) {
    Type("smoot", "cm", "170.18");
    editor.Add();
    ASSERT_EQ(list.size(), 276);
    editor.Select(0);
    Type("new", "thing", "lots");
    editor.Add();
    ASSERT_GE(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Please enter a number.");
    // smoot -> cm is kept in the fields and exists now: refused.
    EXPECT_EQ(prompter.shown.back().text, "The specified conversion already exists.");
    EXPECT_EQ(list.size(), 276);
}

TEST_F(ConversionsEditorTest, ThousandUserConversionsAreTheLimit) {
    for (int i = 0; i < 1000; ++i) ASSERT_TRUE(list.AppendUserConversion(std::to_string(i) + "u", "m", 2));
    UserConversionsEditor full(list, converter, prompter);
    EXPECT_EQ(full.lines().size(), 1000u);
    full.fromText = "x";
    full.toText = "y";
    full.factorText = "3";
    full.Add();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Only 1000 user-defined conversions are allowed");
    EXPECT_EQ(prompter.shown[0].caption, "Add Conversions");
}

TEST_F(ConversionsEditorTest, RemoveTakesTheEntryAtTheSameLine) {
    Type("a1", "m", "2");
    editor.Add();
    Type("a2", "m", "3");
    editor.Add();
    editor.Select(0);
    EXPECT_EQ(editor.fromText, "a1");
    EXPECT_EQ(editor.toText, "m");
    EXPECT_EQ(editor.factorText, "2");
    editor.Remove();
    ASSERT_EQ(list.size(), 276);
    EXPECT_EQ(list.at(275).name, "a2");
    EXPECT_EQ(editor.lines(), (std::vector<std::string>{"a2 -> m"}));
    editor.Select(0);
    editor.Remove();
    EXPECT_EQ(list.size(), 275);
    EXPECT_FALSE(editor.removeEnabled());
}
