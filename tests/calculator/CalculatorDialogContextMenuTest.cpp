#include <gtest/gtest.h>

#include "calculator/CalculatorDialog.h"
#include "calculator/TextDisplay.h"
#include "platform/MemoryPrompter.h"

namespace quorvix {
namespace {

class DisplayContextMenuTest : public ::testing::Test {
protected:
    bool Enabled(DisplayMenuCommand command) const {
        for (const DisplayMenuEntry& entry : calc.DisplayContextMenu())
            if (entry.command == command) return entry.enabled;
        ADD_FAILURE() << "no such entry";
        return false;
    }

    TextDisplay display;
    MemoryPrompter prompter;
    CalculatorDialog calc{display, prompter};
};

TEST_F(DisplayContextMenuTest, EntriesInOrderWithTheirCaptions) {
    const std::vector<DisplayMenuEntry> menu = calc.DisplayContextMenu();
    std::vector<std::string> captions;
    for (const DisplayMenuEntry& entry : menu) captions.push_back(entry.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"&Cut", "&Copy", "&Paste", "Undo", "Select All",
                                                  "Clear", "Show Variables", "Clear Variables",
                                                  "Display Options...."}));
}

TEST_F(DisplayContextMenuTest, ClipboardAndUndoEntriesFollowTheDisplay) {
    EXPECT_FALSE(Enabled(DisplayMenuCommand::Cut));
    EXPECT_FALSE(Enabled(DisplayMenuCommand::Copy));
    EXPECT_FALSE(Enabled(DisplayMenuCommand::Paste));
    EXPECT_FALSE(Enabled(DisplayMenuCommand::Undo));
    EXPECT_TRUE(Enabled(DisplayMenuCommand::SelectAll));
    EXPECT_TRUE(Enabled(DisplayMenuCommand::DisplayOptions));

    display.TypeText("12*3");
    EXPECT_TRUE(Enabled(DisplayMenuCommand::Undo));
    calc.RunDisplayMenuCommand(DisplayMenuCommand::SelectAll);
    EXPECT_TRUE(Enabled(DisplayMenuCommand::Copy));
    calc.RunDisplayMenuCommand(DisplayMenuCommand::Cut);
    EXPECT_EQ(display.Text(), "");
    EXPECT_TRUE(Enabled(DisplayMenuCommand::Paste));
    calc.RunDisplayMenuCommand(DisplayMenuCommand::Paste);
    calc.RunDisplayMenuCommand(DisplayMenuCommand::Paste);
    EXPECT_EQ(display.Text(), "12*312*3");
}

TEST_F(DisplayContextMenuTest, ClearThenUndoRestoresTheText) {
    display.SetText("7*6 =\n42\n");
    calc.InsertText("sin(");
    display.ProcessQueuedInput();
    calc.RunDisplayMenuCommand(DisplayMenuCommand::Clear);
    EXPECT_EQ(display.Text(), "");
    EXPECT_FALSE(calc.pendingInsert());
    calc.RunDisplayMenuCommand(DisplayMenuCommand::Undo);
    EXPECT_EQ(display.Text(), "7*6 =\n42\nsin(");
}

TEST_F(DisplayContextMenuTest, WindowCommands) {
    calc.evaluator().SetVariable("A", "2");
    display.SetText("x");
    calc.RunDisplayMenuCommand(DisplayMenuCommand::ShowVariables);
    display.ProcessQueuedInput();
    EXPECT_EQ(display.Text(), "x\nA = 2\n");

    prompter.answers = {true};
    calc.RunDisplayMenuCommand(DisplayMenuCommand::ClearVariables);
    EXPECT_EQ(calc.evaluator().VariableCount(), 0);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].caption, "Delete Variables");

    int opened = 0;
    calc.onDisplayOptions = [&] { ++opened; };
    calc.RunDisplayMenuCommand(DisplayMenuCommand::DisplayOptions);
    EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace quorvix
