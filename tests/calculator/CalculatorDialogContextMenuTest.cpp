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
                                                  "Copy &Answer", "Copy &Line", "Clear",
                                                  "Show Variables", "Clear Variables",
                                                  "Display Options..."}));
    EXPECT_EQ(commands, (std::vector<int>{kCmdDisplayCut, kCmdDisplayCopy, kCmdDisplayPaste,
                                          kCmdDisplayUndo, kCmdDisplaySelectAll, kCmdCopyAnswer,
                                          kCmdCopyLine, kCmdClearDisplay,
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

// Copy Answer takes the answer as written under its line, without " =" and
// without the line's expression; it is disabled (and copies nothing) until
// there is an answer. Copy Line takes the caret's line without its break.
TEST_F(DisplayContextMenuTest, CopyAnswerAndCopyLine) {
    display.SetClipboard("before");
    EXPECT_FALSE(Enabled(kCmdCopyAnswer));
    EXPECT_FALSE(calc.CopyLastAnswer());
    EXPECT_EQ(display.Clipboard(), "before");

    display.SetText("2+3");
    calc.EvaluateCurrentLine();
    display.ProcessQueuedInput();
    display.SetText(display.Text() + "sqrt(2)");
    calc.EvaluateCurrentLine();
    display.ProcessQueuedInput();
    ASSERT_EQ(display.Text(), "2+3 =\n5\nsqrt(2) =\n1.414213562\n");
    EXPECT_TRUE(Enabled(kCmdCopyAnswer));
    EXPECT_TRUE(calc.RunDisplayEditCommand(kCmdCopyAnswer));
    EXPECT_EQ(display.Clipboard(), "1.414213562");
    EXPECT_EQ(display.Text(), "2+3 =\n5\nsqrt(2) =\n1.414213562\n");  // unchanged

    display.SetSelection(2, 2);
    EXPECT_TRUE(calc.RunDisplayEditCommand(kCmdCopyLine));
    EXPECT_EQ(display.Clipboard(), "2+3 =");
    display.SetSelection(display.TextLength(), display.TextLength());  // the empty last line
    calc.CopyCaretLine();
    EXPECT_EQ(display.Clipboard(), "");
}

}  // namespace
}  // namespace quorvix
