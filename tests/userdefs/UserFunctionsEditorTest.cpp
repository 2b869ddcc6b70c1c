#include <gtest/gtest.h>

#include "platform/MemoryPrompter.h"
#include "userdefs/UserFunctionsEditor.h"

using namespace quorvix;

namespace {

class FunctionsEditorTest : public ::testing::Test {
protected:
    void Type(const std::string& name, const std::string& args, const std::string& expression,
              const std::string& syntax = "", const std::string& description = "") {
        editor.nameText = name;
        editor.argumentsText = args;
        editor.expressionText = expression;
        editor.syntaxText = syntax;
        editor.descriptionText = description;
    }
    // Adds and returns the one message shown (empty when none).
    MemoryPrompter::Shown AddExpectingMessage() {
        const std::size_t before = prompter.shown.size();
        editor.Add();
        EXPECT_EQ(prompter.shown.size(), before + 1);
        return prompter.shown.size() > before ? prompter.shown.back() : MemoryPrompter::Shown{};
    }

    std::vector<UserFunction> list;
    MemoryPrompter prompter;
    UserFunctionsEditor editor{list, prompter};
};

}  // namespace

TEST_F(FunctionsEditorTest, AddStoresBothCountsAndResetsTheFields) {
    EXPECT_EQ(editor.argumentsText, "1");
    Type("  Hyp ", "2", " sqrt(a*a+b*b)+t ", " x, y ", " hypotenuse ");
    editor.Add();
    EXPECT_TRUE(prompter.shown.empty());
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, "Hyp");
    EXPECT_EQ(list[0].expression, "sqrt(a*a+b*b)+t");
    EXPECT_EQ(list[0].syntax, "x, y");
    EXPECT_EQ(list[0].description, "hypotenuse");
    EXPECT_EQ(list[0].minArgs, 2);
    EXPECT_EQ(list[0].maxArgs, 2);
    EXPECT_EQ(editor.lines(), (std::vector<std::string>{"Hyp"}));
    EXPECT_TRUE(editor.changed());
    EXPECT_EQ(editor.nameText, "");
    EXPECT_EQ(editor.expressionText, "");
    EXPECT_EQ(editor.argumentsText, "1");
    EXPECT_EQ(editor.focus(), UserFunctionsEditor::Field::Name);
}

TEST_F(FunctionsEditorTest, NameChecksInOrder) {
    Type("", "1", "a");
    auto m = AddExpectingMessage();
    EXPECT_EQ(m.text, "Please fill out the Name and Expression fields");
    EXPECT_EQ(m.caption, "Add Functions");
    EXPECT_EQ(m.icon, PromptIcon::Exclamation);
    Type("f", "1", "   ");
    EXPECT_EQ(AddExpectingMessage().text, "Please fill out the Name and Expression fields");

    Type(std::string(51, 'f'), "1", "a");
    m = AddExpectingMessage();
    EXPECT_EQ(m.text, "The name of the function must be 50 characters or fewer.");
    EXPECT_EQ(m.caption, "Add Functions");

    for (const char* reserved : {"sin", "SIN", "Sin", "2x", "t", "a-b", "ans", "Ans"}) {
        Type(reserved, "1", "a");
        m = AddExpectingMessage();
        EXPECT_EQ(m.text, "The function name is not valid") << reserved;
        EXPECT_EQ(m.caption, "Quorvix");
        EXPECT_EQ(m.icon, PromptIcon::None);
        EXPECT_EQ(editor.focus(), UserFunctionsEditor::Field::Name);
    }
    EXPECT_TRUE(list.empty());

    Type(std::string(50, 'f'), "1", "a");
    editor.Add();
    Type("_x1", "1", "a");
    editor.Add();
    EXPECT_EQ(list.size(), 2u);

    Type("_X1", "1", "a");
    m = AddExpectingMessage();
    EXPECT_EQ(m.text, "The chosen name is already used.  Please choose another name");
    EXPECT_EQ(m.caption, "Quorvix");
    EXPECT_EQ(list.size(), 2u);
}

TEST_F(FunctionsEditorTest, TextLimitsAndTheirFocus) {
    Type("f", "1", std::string(256, '1'));
    auto m = AddExpectingMessage();
    EXPECT_EQ(m.text, "The expression for the function must be 255 characters or fewer.");
    EXPECT_EQ(editor.focus(), UserFunctionsEditor::Field::Expression);
    Type("f", "1", "a", std::string(101, 's'));
    m = AddExpectingMessage();
    EXPECT_EQ(m.text, "The syntax of the function must be 100 characters or fewer.");
    EXPECT_EQ(editor.focus(), UserFunctionsEditor::Field::Syntax);
    Type("f", "1", "a", "x", std::string(256, 'd'));
    m = AddExpectingMessage();
    EXPECT_EQ(m.text, "The description of the function must be 255 characters or fewer.");
    EXPECT_EQ(m.caption, "Add Functions");
    EXPECT_EQ(editor.focus(), UserFunctionsEditor::Field::Description);
    EXPECT_TRUE(list.empty());

    Type("f", "1", std::string(255, '1'), std::string(100, 's'), std::string(255, 'd'));
    editor.Add();
    EXPECT_EQ(list.size(), 1u);
}

TEST_F(FunctionsEditorTest, ArgumentCountMustBeOneToFifteen) {
    for (const char* bad : {"0", "16", "x", "", "1.5", "-1"}) {
        Type("f", bad, "a");
        const auto m = AddExpectingMessage();
        EXPECT_EQ(m.text, "Please enter a valid number of arguments") << bad;
        EXPECT_EQ(m.caption, "Add Functions");
    }
    EXPECT_EQ(UserFunctionsEditor::ArgumentCount("15"), 15);
    EXPECT_EQ(UserFunctionsEditor::ArgumentCount(" 7 "), 7);
    Type("f", "15", "a+o+t");
    editor.Add();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].minArgs, 15);
}

TEST_F(FunctionsEditorTest, TrialCompilationShowsTheParseErrorAndSelectsIt) {
    // b is not an argument of a one-argument function.
    Type("f", "1", "a*b");
    auto m = AddExpectingMessage();
    EXPECT_EQ(m.text, "Unrecognized function");
    EXPECT_EQ(m.caption, "Quorvix");
    EXPECT_EQ(editor.focus(), UserFunctionsEditor::Field::Expression);
    EXPECT_GE(editor.selectionLength(), 1);
    EXPECT_TRUE(list.empty());

    // With two arguments a, b and t all parse.
    Type("f", "2", "a*b+t");
    editor.Add();
    EXPECT_EQ(list.size(), 1u);

    // An expression ending in an operator selects text inside the field,
    // counted in the field's own text (leading blanks included).
    Type("g", "1", "  a+");
    m = AddExpectingMessage();
    EXPECT_EQ(m.text, "Dangling operator");
    EXPECT_GE(editor.selectionStart(), 2);
    EXPECT_LE(editor.selectionStart() + editor.selectionLength(),
              static_cast<int>(editor.expressionText.size()));
    EXPECT_EQ(list.size(), 1u);
}

TEST_F(FunctionsEditorTest, ThousandFunctionsAndRemove) {
    UserFunction f;
    f.name = "x";
    f.expression = "1";
    list.assign(1000, f);
    UserFunctionsEditor full(list, prompter);
    full.nameText = "y";
    full.expressionText = "1";
    full.Add();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Only 1000 user-defined functions are allowed");
    EXPECT_EQ(prompter.shown[0].caption, "Add Functions");

    list.resize(2);
    list[1].name = "z";
    list[1].minArgs = 30;  // from a file: the up-down shows its top
    UserFunctionsEditor small(list, prompter);
    small.Select(1);
    EXPECT_EQ(small.nameText, "z");
    EXPECT_EQ(small.argumentsText, "15");
    EXPECT_TRUE(small.removeEnabled());
    small.Remove();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, "x");
    EXPECT_TRUE(small.changed());
    EXPECT_FALSE(small.removeEnabled());
}
