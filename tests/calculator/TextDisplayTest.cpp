#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator/TextDisplay.h"

namespace quorvix {
namespace {

TEST(TextDisplayTest, LinesOfTheText) {
    TextDisplay d;
    d.SetText("7*6 =\n42\n");
    EXPECT_EQ(d.LineCount(), 3);
    EXPECT_EQ(d.LineStart(1), 6);
    EXPECT_EQ(d.LineStart(2), 9);
    EXPECT_EQ(d.LineStart(3), -1);
    EXPECT_EQ(d.LineLength(0), 5);
    EXPECT_EQ(d.LineLength(2), 0);
    EXPECT_EQ(d.LineLength(7), 0);
    EXPECT_EQ(d.LineFromChar(5), 0);
    EXPECT_EQ(d.LineFromChar(6), 1);
    EXPECT_EQ(d.LineFromChar(1000), 2);
    EXPECT_EQ(d.CaretLine(), 2);
}

// The line positions follow every kind of change of the text.
TEST(TextDisplayTest, LinesFollowEveryEdit) {
    TextDisplay d;
    d.SetText("ab\ncd");
    ASSERT_EQ(d.LineCount(), 2);
    d.SetCaret(1);
    d.TypeCharacter('\n');  // a|b -> a / b
    EXPECT_EQ(d.LineCount(), 3);
    EXPECT_EQ(d.LineStart(1), 2);
    EXPECT_EQ(d.LineStart(2), 4);
    EXPECT_EQ(d.LineFromChar(4), 2);
    d.PressKey(DisplayKey::Backspace);
    EXPECT_EQ(d.LineCount(), 2);
    EXPECT_EQ(d.LineStart(1), 3);
    d.Undo();
    EXPECT_EQ(d.LineCount(), 3);
    EXPECT_EQ(d.LineFromChar(3), 1);
    d.SetSelection(0, -1);
    d.Cut();
    EXPECT_EQ(d.LineCount(), 1);
    EXPECT_EQ(d.LineStart(1), -1);
    d.Paste();
    EXPECT_EQ(d.LineCount(), 3);
    EXPECT_EQ(d.LineStart(2), 4);
    d.SetText("");
    EXPECT_EQ(d.LineCount(), 1);
    EXPECT_EQ(d.LineStart(0), 0);
    EXPECT_EQ(d.LineFromChar(5), 0);
}

TEST(TextDisplayTest, ReadLineCountsTheLineBreakInTheLimit) {
    TextDisplay d;
    d.SetText("abc\ndef");
    EXPECT_EQ(d.ReadLine(0, 1000), "abc\n");
    EXPECT_EQ(d.ReadLine(1, 1000), "def");
    EXPECT_EQ(d.ReadLine(0, 3), "abc");
    EXPECT_EQ(d.ReadLine(0, 2), "ab");
    EXPECT_EQ(d.ReadLine(5, 1000), "");
    EXPECT_EQ(d.ReadLine(0, 0), "");
}

TEST(TextDisplayTest, TypingReplacesTheSelectionAndIgnoresControlCharacters) {
    TextDisplay d;
    d.SetText("1+2");
    d.SetSelection(0, 1);
    d.TypeCharacter('9');
    EXPECT_EQ(d.Text(), "9+2");
    EXPECT_EQ(d.CaretPosition(), 1);
    d.TypeCharacter('\t');
    d.TypeCharacter('\r');
    d.TypeCharacter('\x7f');
    EXPECT_EQ(d.Text(), "9+2");
    d.TypeCharacter('\n');
    EXPECT_EQ(d.Text(), "9\n+2");
}

TEST(TextDisplayTest, SelectionToEndAndReversedSelection) {
    TextDisplay d;
    d.SetText("hello");
    d.SetSelection(2, -1);
    EXPECT_EQ(d.SelectionStart(), 2);
    EXPECT_EQ(d.SelectionEnd(), 5);
    d.SetSelection(4, 1);
    EXPECT_EQ(d.SelectionStart(), 1);
    EXPECT_EQ(d.SelectionEnd(), 4);
    EXPECT_EQ(d.CaretPosition(), 1);
    d.SetSelection(-7, 99);
    EXPECT_EQ(d.SelectionStart(), 5);
    EXPECT_EQ(d.SelectionEnd(), 5);
}

TEST(TextDisplayTest, KeysMoveAndDelete) {
    TextDisplay d;
    d.SetText("abcdef\nxy");
    d.SetCaret(4);
    d.PressKey(DisplayKey::Down);
    EXPECT_EQ(d.CaretPosition(), 9);  // column clamped to the short line
    d.PressKey(DisplayKey::Home);
    EXPECT_EQ(d.CaretPosition(), 7);
    d.PressKey(DisplayKey::Up);
    EXPECT_EQ(d.CaretPosition(), 0);
    d.PressKey(DisplayKey::Up);
    EXPECT_EQ(d.CaretPosition(), 0);
    d.PressKey(DisplayKey::End);
    EXPECT_EQ(d.CaretPosition(), 6);
    d.PressKey(DisplayKey::Backspace);
    EXPECT_EQ(d.Text(), "abcde\nxy");
    d.PressKey(DisplayKey::Delete);
    EXPECT_EQ(d.Text(), "abcdexy");
    d.PressKey(DisplayKey::Left);
    d.PressKey(DisplayKey::Right);
    d.PressKey(DisplayKey::Right);
    EXPECT_EQ(d.CaretPosition(), 6);
    d.SetCaret(0);
    d.PressKey(DisplayKey::Backspace);
    EXPECT_EQ(d.Text(), "abcdexy");
}

TEST(TextDisplayTest, QueuedInputWaitsAndRunsInOrder) {
    TextDisplay d;
    d.SetText("-3");
    d.SetCaret(2);
    d.QueueKey(DisplayKey::Home);
    for (char c : std::string("ANS")) d.QueueCharacter(c);
    d.QueueKey(DisplayKey::End);
    d.QueueCharacter('=');
    EXPECT_EQ(d.Text(), "-3");
    EXPECT_EQ(d.PendingInputCount(), 6);
    EXPECT_EQ(d.ProcessQueuedInput(), 6);
    EXPECT_EQ(d.Text(), "ANS-3=");
    EXPECT_EQ(d.PendingInputCount(), 0);
}

TEST(TextDisplayTest, ObserverSeesTypedAndQueuedCharactersBeforeInsertion) {
    TextDisplay d;
    std::string seen;
    std::vector<int> backspaces;
    struct Recorder : TypingObserver {
        TextDisplay* display;
        std::string* seen;
        std::vector<int>* backspaces;
        void BeforeCharacter(char c) override {
            *seen += c;
            *seen += std::to_string(display->CaretPosition());  // not yet moved by c
        }
        void BeforeBackspace(int caret) override { backspaces->push_back(caret); }
    } recorder;
    recorder.display = &d;
    recorder.seen = &seen;
    recorder.backspaces = &backspaces;
    d.SetTypingObserver(&recorder);
    d.TypeCharacter('s');
    d.QueueCharacter('i');
    d.QueueCharacter('\x01');  // not typeable: not seen
    d.ProcessQueuedInput();
    d.PressKey(DisplayKey::Backspace);
    EXPECT_EQ(seen, "s0i1");
    EXPECT_EQ(backspaces, std::vector<int>{2});
    EXPECT_EQ(d.Text(), "s");
}

TEST(TextDisplayTest, StartNewLineAndMoveToLineEnd) {
    TextDisplay d;
    d.SetText("2+3");
    d.SetCaret(1);
    d.StartNewLine();
    d.ProcessQueuedInput();
    EXPECT_EQ(d.Text(), "2+3\n");

    // An empty line is left as it is.
    d.StartNewLine();
    EXPECT_EQ(d.PendingInputCount(), 0);

    d.SetText("abc");
    d.SetCaret(3);
    d.MoveToLineEnd();
    EXPECT_EQ(d.PendingInputCount(), 0);  // already at the end
    d.SetCaret(0);
    d.MoveToLineEnd();
    d.ProcessQueuedInput();
    EXPECT_EQ(d.CaretPosition(), 3);
}

TEST(TextDisplayTest, UndoBringsBackAClearAndTypingIsOneStep) {
    TextDisplay d;
    EXPECT_FALSE(d.CanUndo());
    d.TypeText("12+");
    d.SetSelection(0, -1);
    d.DeleteSelection();
    EXPECT_EQ(d.Text(), "");
    ASSERT_TRUE(d.CanUndo());
    d.Undo();
    EXPECT_EQ(d.Text(), "12+");

    TextDisplay t;
    t.SetText("x");
    t.TypeText("abc");
    t.Undo();
    EXPECT_EQ(t.Text(), "x");
    t.Undo();  // a second undo redoes
    EXPECT_EQ(t.Text(), "xabc");
}

TEST(TextDisplayTest, SetTextForgetsUndoAndMarksModified) {
    TextDisplay d;
    d.TypeText("1");
    d.SetModified(false);
    d.SetText("2");
    EXPECT_FALSE(d.CanUndo());
    EXPECT_TRUE(d.IsModified());
    d.SetModified(false);
    d.PressKey(DisplayKey::End);
    EXPECT_FALSE(d.IsModified());
    d.TypeCharacter('3');
    EXPECT_TRUE(d.IsModified());
}

TEST(TextDisplayTest, ClipboardCutCopyPaste) {
    TextDisplay d;
    EXPECT_FALSE(d.CanPaste());
    d.SetText("sin(1)");
    d.SetSelection(0, 3);
    d.Copy();
    EXPECT_EQ(d.Clipboard(), "sin");
    ASSERT_TRUE(d.CanPaste());
    d.SetSelection(4, 5);
    d.Cut();
    EXPECT_EQ(d.Text(), "sin()");
    EXPECT_EQ(d.Clipboard(), "1");
    d.SetClipboard("2\r\n3");
    d.Paste();
    EXPECT_EQ(d.Text(), "sin(2\n3)");
    // Cut with nothing selected keeps the clipboard.
    d.SetCaret(0);
    d.Cut();
    EXPECT_EQ(d.Clipboard(), "2\r\n3");
}

}  // namespace
}  // namespace quorvix
