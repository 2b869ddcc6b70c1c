#include <gtest/gtest.h>

#include "calculator/CalculatorDialog.h"
#include "calculator/TextDisplay.h"
#include "platform/CommandIds.h"
#include "platform/MemoryPrompter.h"

namespace quorvix {
namespace {

class DisplayContextMenuTest : public ::testing::Test {
protected:
    bool Enabled(int command) const {
        for (const MenuItem& entry : calc.DisplayContextMenu())
            if (entry.command == command) return entry.enabled;
        ADD_FAILURE() << "no such entry";
        return false;
    }

    TextDisplay display;
    MemoryPrompter prompter;
    CalculatorDialog calc{display, prompter};
};

TEST_F(DisplayContextMenuTest, EntriesInOrderWithTheirCaptionsAndCommands) {
    std::vector<std::string> captions;
    std::vector<int> commands;
    for (const MenuItem& entry : calc.DisplayContextMenu()) {
        captions.push_back(entry.caption);
        commands.push_back(entry.command);
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"&Cut", "&Copy", "&Paste", "Undo", "Select All",
                                                  "Clear", "Show Variables", "Clear Variables",
                                                  "Display Options...."}));
    EXPECT_EQ(commands, (std::vector<int>{kCmdDisplayCut, kCmdDisplayCopy, kCmdDisplayPaste,
                                          kCmdDisplayUndo, kCmdDisplaySelectAll, kCmdClearDisplay,
                                          kCmdShowVariables, kCmdClearVariables,
                                          kCmdDisplayOptions}));
}

TEST_F(DisplayContextMenuTest, ClipboardAndUndoEntriesFollowTheDisplay) {
    EXPECT_FALSE(Enabled(kCmdDisplayCut));
    EXPECT_FALSE(Enabled(kCmdDisplayCopy));
    EXPECT_FALSE(Enabled(kCmdDisplayPaste));
    EXPECT_FALSE(Enabled(kCmdDisplayUndo));
    EXPECT_TRUE(Enabled(kCmdDisplaySelectAll));
    EXPECT_TRUE(Enabled(kCmdDisplayOptions));

    display.TypeText("12*3");
    EXPECT_TRUE(Enabled(kCmdDisplayUndo));
    EXPECT_TRUE(calc.RunDisplayEditCommand(kCmdDisplaySelectAll));
    EXPECT_TRUE(Enabled(kCmdDisplayCopy));
    calc.RunDisplayEditCommand(kCmdDisplayCut);
    EXPECT_EQ(display.Text(), "");
    EXPECT_TRUE(Enabled(kCmdDisplayPaste));
    calc.RunDisplayEditCommand(kCmdDisplayPaste);
    calc.RunDisplayEditCommand(kCmdDisplayPaste);
    EXPECT_EQ(display.Text(), "12*312*3");
    // The window's commands are not the display's own.
    EXPECT_FALSE(calc.RunDisplayEditCommand(kCmdClearDisplay));
}

TEST_F(DisplayContextMenuTest, ClearThenUndoRestoresTheText) {
    display.SetText("7*6 =\n42\n");
    calc.InsertText("sin(");
    display.ProcessQueuedInput();
    calc.ClearDisplay();
    EXPECT_EQ(display.Text(), "");
    EXPECT_FALSE(calc.pendingInsert());
    calc.RunDisplayEditCommand(kCmdDisplayUndo);
    EXPECT_EQ(display.Text(), "7*6 =\n42\nsin(");
}

}  // namespace
}  // namespace quorvix
