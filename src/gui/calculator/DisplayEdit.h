#pragma once
// The worksheet display of the calculator window: a QPlainTextEdit that is
// the CalculatorDisplay the logic drives. Plain text in one font, no wrap,
// both scroll bars. Positions are Latin-1 characters, so they equal the
// logic's byte positions.
//
// Queued input (what keys, menus and answers type) runs from the event loop
// after the command that queued it has returned, through the same path as
// typed keys, so the typing observer sees every character. While input is
// held (a long evaluation is running) the queue waits.
//
// Undo keeps exactly one edit (a run of typing counts as one); a second
// Undo redoes it. Undo puts back the selection (anchor and caret) recorded
// when the edit began, and a redo the one from before the Undo, as the
// in-memory TextDisplay does. Line lookups go through the document's blocks, so nothing
// per keystroke walks the whole text.

#include <QPlainTextEdit>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "calculator/CalculatorDisplay.h"

namespace quorvix {

class DisplayEdit : public QPlainTextEdit, public CalculatorDisplay {
    Q_OBJECT
public:
    explicit DisplayEdit(QWidget* parent = nullptr);
    ~DisplayEdit() override;

    // From this length on the caret does not blink on its line (see
    // UpdateCaretBlink); the application's blink comes back elsewhere.
    static constexpr int kSteadyCaretLineLength = 100000;
    bool caretSteady() const { return savedFlashTime_ >= 0; }

    // --- CalculatorDisplay ---------------------------------------------------
    std::string Text() const override;
    int TextLength() const override;
    int LineCount() const override;
    int LineFromChar(int index) const override;
    int LineStart(int line) const override;
    int LineLength(int line) const override;
    std::string ReadLine(int line, int maxChars) const override;
    int CaretPosition() const override;
    int SelectionStart() const override;
    int SelectionEnd() const override;
    void SetSelection(int start, int end) override;
    // Selects, then tells errorSelected (the highlighter marks the part).
    void SelectError(int start, int end) override;
    void SetText(const std::string& text) override;
    void DeleteSelection() override;
    void TypeCharacter(char c) override;
    void PressKey(DisplayKey key) override;
    void QueueCharacter(char c) override;
    void QueueKey(DisplayKey key) override;
    void Cut() override;
    void Copy() override;
    void CopyText(const std::string& text) override;
    void Paste() override;
    bool CanPaste() const override;
    void Undo() override;
    bool CanUndo() const override;
    bool IsModified() const override { return modified_; }
    void SetModified(bool modified) override { modified_ = modified; }
    void SetFocus() override;

    // --- Queue ---------------------------------------------------------------
    // Runs every queued character and key now, in order (also those queued
    // while running). Does nothing while input is held.
    void RunQueuedInput();
    int PendingInputCount() const { return static_cast<int>(queue_.size()); }
    // Holds queued input back while a long evaluation runs; releasing it
    // schedules the queue again.
    void SetInputHeld(bool held);

    // Makes message heard: it becomes the display's accessible description,
    // and a screen reader speaks a changed description of the focused
    // widget. The same message twice passes through an empty description,
    // so that it changes (and is heard) again.
    void Announce(const QString& message);

signals:
    // Enter typed in the display (not inserted).
    void enterPressed();
    // F1 typed in the display.
    void helpRequested();
    // A paste or drop was cut to the paste limit; the text says how much.
    void pasteCut(const QString& message);
    // The right mouse button, the menu key or Shift+F10: the window opens the
    // display's context menu at globalPos.
    void contextMenuRequested(const QPoint& globalPos);
    // Ctrl+wheel: steps notches larger (negative: smaller).
    void zoomRequested(int steps);
    // The logic selected the part of the text an input error lies in.
    void errorSelected(int start, int end);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Starts an edit: a new undo step unless it continues a typing run.
    void BeginEdit(bool typing);
    // Inserts Latin-1 text (line feeds start lines) in place of the selection.
    void InsertPlain(const QString& text, bool typing);
    // Pasted or dropped text, cleaned and held to the paste limit; a cut is
    // reported on the help line.
    void InsertPasted(const QString& offered);
    void MoveCaretTo(int position);
    void ScheduleQueue();
    void UpdateCaretBlink();
    // Redo is Undo once Undo has undone (the one level of undo).
    void RedoIfUndone();
    // The selection now, and back to a recorded one.
    std::pair<int, int> AnchorAndCaret() const;
    void RestoreAnchorAndCaret(std::pair<int, int> selection);

    std::deque<QueuedInput> queue_;
    bool queueScheduled_ = false;
    bool inputHeld_ = false;
    bool modified_ = false;
    bool typingRun_ = false;
    int runEnd_ = -1;  // where the current typing run ended
    bool undone_ = false;  // the last Undo undid; the next one redoes
    int savedFlashTime_ = -1;  // the blink put aside while the caret is steady
    int wheelAngle_ = 0;  // Ctrl+wheel turning not yet a whole notch
    // The selection Undo (or redo) puts back: recorded when the edit began.
    std::pair<int, int> undoSelection_{0, 0};
};

// Only what the display can hold: line feeds (a CR LF pair or a lone CR
// becomes one) and printable Latin-1 characters.
QString CleanDisplayText(const QString& text);

}  // namespace quorvix
