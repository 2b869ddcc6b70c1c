#include <gtest/gtest.h>

#include <string>

#include "calculator/Settings.h"
#include "platform/MemoryPrompter.h"
#include "shell/DisplayOptions.h"

using namespace quorvix;

namespace {

DisplayOptionsValues Sample() {
    Settings settings;
    settings.numberSize = 10;
    settings.operatorSize = 13;
    settings.functionSize = 8;
    return TakeDisplayOptions(settings);
}

DisplayOptions::Fields FieldsOf(const DisplayOptions& options) {
    DisplayOptions::Fields fields;
    for (KeyGroup g : {KeyGroup::Number, KeyGroup::Operator, KeyGroup::Function}) {
        fields.sizes[static_cast<std::size_t>(g)] = options.SizeText(g);
        fields.keyColours[static_cast<std::size_t>(g)] = options.KeyColour(g);
    }
    fields.background = options.BackgroundColour();
    return fields;
}

}  // namespace

TEST(DisplayOptionsTest, SizeFieldAcceptsWholeNumbersFromOneToForty) {
    const struct {
        const char* text;
        bool valid;
        int size;
    } rows[] = {
        {"1", true, 1},     {"40", true, 40},  {" 12 ", true, 12}, {"+7", true, 7},
        {"0", false, 0},    {"41", false, 0},  {"-3", false, 0},   {"abc", false, 0},
        {"12a", false, 0},  {"1.5", false, 0}, {"", false, 0},     {"  ", false, 0},
        {"+", false, 0},    {"99999999999999999999999", false, 0},
    };
    for (const auto& row : rows) {
        std::int32_t size = -99;
        EXPECT_EQ(ParseKeyFontSize(row.text, size), row.valid) << row.text;
        EXPECT_EQ(size, row.valid ? row.size : -99) << row.text;
    }
}

TEST(DisplayOptionsTest, CloseReadsSizesFunctionNumberOperatorAndStopsAtTheFirstRefusal) {
    const struct {
        const char* number;
        const char* operators;
        const char* function;
        int wantNumber, wantOperator, wantFunction;
        bool refused;
    } rows[] = {
        {"20", "21", "22", 20, 21, 22, false},
        {"0", "21", "22", 10, 13, 22, true},     // number refused: operator keeps too
        {"20", "41", "22", 20, 13, 22, true},    // operator is read last
        {"20", "21", "text", 10, 13, 8, true},   // function is read first
    };
    for (const auto& row : rows) {
        DisplayOptions options(Sample());
        DisplayOptions::Fields fields = FieldsOf(options);
        fields.sizes = {row.number, row.operators, row.function};
        fields.background = 0x123456;
        fields.keyColours = {0x010203, 0x040506, 0x070809};
        MemoryPrompter prompter;
        EXPECT_EQ(options.Close(fields, prompter), !row.refused) << row.number;
        const DisplayOptionsValues& v = options.values();
        EXPECT_EQ(v.Key(KeyGroup::Number).size, row.wantNumber);
        EXPECT_EQ(v.Key(KeyGroup::Operator).size, row.wantOperator);
        EXPECT_EQ(v.Key(KeyGroup::Function).size, row.wantFunction);
        // The colours are taken whether or not a size was refused.
        EXPECT_EQ(v.backColor, 0x123456u);
        EXPECT_EQ(v.Key(KeyGroup::Operator).colour, 0x040506u);
        ASSERT_EQ(prompter.shown.size(), row.refused ? 1u : 0u);
        if (row.refused) {
            EXPECT_EQ(prompter.shown[0].caption, "Quorvix");
            EXPECT_EQ(prompter.shown[0].text, "Please enter an integer between 1 and 40.");
            EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Exclamation);
        }
    }
}

TEST(DisplayOptionsTest, AbsurdStoredValuesOpenAsUsableFields) {
    Settings settings;
    settings.numberSize = -5;
    settings.operatorSize = 2000000000;
    settings.functionSize = 0;
    settings.backColor = 0xFF00FF00;
    DisplayOptions options(TakeDisplayOptions(settings));
    EXPECT_EQ(options.SizeText(KeyGroup::Number), "1");
    EXPECT_EQ(options.SizeText(KeyGroup::Operator), "40");
    EXPECT_EQ(options.SizeText(KeyGroup::Function), "1");
    EXPECT_EQ(options.BackgroundColour(), 0x00FF00u);

    // Closing the untouched dialog complains about nothing.
    MemoryPrompter prompter;
    EXPECT_TRUE(options.Close(FieldsOf(options), prompter));
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(options.values().Key(KeyGroup::Operator).size, 40);
}

TEST(DisplayOptionsTest, ValuesGoBackIntoTheSettingsTheyCameFrom) {
    Settings edited;
    edited.foreColor = 0x111111;
    edited.backColor = 0x222222;
    edited.numberColor = 0x333333;
    edited.numberSize = 31;
    edited.operatorColor = 0x444444;
    edited.operatorSize = 32;
    edited.functionColor = 0x555555;
    edited.functionSize = 33;
    edited.displayFont.faceName = "Display Face";
    edited.keypadFont.weight = 700;
    edited.mode = 2;  // not an option of the dialog

    Settings target;
    PutDisplayOptions(TakeDisplayOptions(edited), target);
    target.mode = edited.mode;
    EXPECT_EQ(TakeDisplayOptions(target), TakeDisplayOptions(edited));
    EXPECT_EQ(target.numberSize, 31);
    EXPECT_EQ(target.functionColor, 0x555555u);
    EXPECT_EQ(target.displayFont.faceName, "Display Face");
}

// The system colours last until a colour of one's own is taken (picked and
// closed, or the text colour); the dark scheme keeps its dark windows.
TEST(DisplayOptionsTest, OwnColoursEndTheSystemColoursButNotTheDarkWindows) {
    const struct {
        WindowColors scheme;
        bool ownText, ownBackground;
        WindowColors after;
    } rows[] = {
        {WindowColors::System, false, false, WindowColors::System},
        {WindowColors::System, true, false, WindowColors::Stored},
        {WindowColors::System, false, true, WindowColors::Stored},
        {WindowColors::Dark, true, true, WindowColors::Dark},
    };
    MemoryPrompter prompter;
    for (const auto& row : rows) {
        DisplayOptions options(Sample());
        options.TakeScheme(row.scheme, 0x111111, 0xEEEEEE, {0x1, 0x2, 0x3});
        if (row.ownText) options.TakeTextColour(0x222222);
        DisplayOptions::Fields fields = FieldsOf(options);
        if (row.ownBackground) fields.background = 0xDDDDDD;
        options.Close(fields, prompter);
        EXPECT_EQ(options.values().colorScheme, row.after);
        EXPECT_EQ(options.values().Key(KeyGroup::Operator).colour, 0x2u);
    }
}
