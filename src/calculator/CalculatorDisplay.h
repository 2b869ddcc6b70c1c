#pragma once
// The worksheet display as the calculator logic sees it: plain multi-line
// text with a caret, a selection, a modified flag and one level of undo.
//
// Two kinds of input exist. Immediate operations (SetSelection, PressKey,
// DeleteSelection, ...) change the text at once. Queued input (QueueCharacter,
// QueueKey) is what keys, menus and commands "type": it is held back and runs
// only after the command that queued it has returned, in queue order. So a
// command that inspects the caret sees the text as it was before its own
// queued edits. The host runs the queue (the Qt display from its event loop,
// the in-memory TextDisplay through ProcessQueuedInput).
//
// Text is single-byte characters; lines are separated by one '\n'.

#include <string>

namespace quorvix {

// Key presses the display understands, as the keys on a keyboard do them.
enum class DisplayKey { Home, End, Up, Down, Left, Right, Backspace, Delete };

// Told about typing before it changes the text, whether the user typed it or
// a key or menu queued it: the pop-up syntax help follows the identifier
// being typed through it.
class TypingObserver {
public:
    virtual ~TypingObserver() = default;
    // c is about to be inserted at the caret.
    virtual void BeforeCharacter(char c) = 0;
    // Backspace is about to be applied with the caret at caret.
    virtual void BeforeBackspace(int caret) = 0;
};

class CalculatorDisplay {
public:
    virtual ~CalculatorDisplay() = default;

    // --- Reading -----------------------------------------------------------
    virtual std::string Text() const = 0;
    virtual int TextLength() const = 0;
    virtual int LineCount() const = 0;
    // Zero-based line of a character index (clamped into the text).
    virtual int LineFromChar(int index) const = 0;
    // Character index of a line's first character; -1 for a line that does
    // not exist.
    virtual int LineStart(int line) const = 0;
    // Characters of a line without its line break; 0 for a missing line.
    virtual int LineLength(int line) const = 0;
    // A line's text, reading at most maxChars characters counting the line
    // break (which is included when it fits).
    virtual std::string ReadLine(int line, int maxChars) const = 0;

    // Caret and selection. The caret is the selection's active end.
    virtual int CaretPosition() const = 0;
    virtual int SelectionStart() const = 0;
    virtual int SelectionEnd() const = 0;
    // end == -1 selects to the end of the text; the caret goes to end.
    virtual void SetSelection(int start, int end) = 0;
    // Selects the part of the text an input error was found in, as
    // SetSelection does; a display may also mark it until that line is
    // edited.
    virtual void SelectError(int start, int end) { SetSelection(start, end); }

    // --- Immediate edits ---------------------------------------------------
    // Replaces the whole text; the caret goes to the end, undo is forgotten.
    virtual void SetText(const std::string& text) = 0;
    // Removes the selected text (undoable); no-op for an empty selection.
    virtual void DeleteSelection() = 0;
    // Types one character now: a printable character replaces the selection,
    // '\n' starts a new line. Other control characters are ignored.
    virtual void TypeCharacter(char c) = 0;
    // Presses a key now.
    virtual void PressKey(DisplayKey key) = 0;

    // --- Queued input ------------------------------------------------------
    virtual void QueueCharacter(char c) = 0;
    virtual void QueueKey(DisplayKey key) = 0;

    // --- Clipboard, undo, flags --------------------------------------------
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    // Puts text on the clipboard, leaving the display as it is.
    virtual void CopyText(const std::string& text) = 0;
    virtual void Paste() = 0;
    virtual bool CanPaste() const = 0;
    virtual void Undo() = 0;
    virtual bool CanUndo() const = 0;
    virtual bool IsModified() const = 0;
    virtual void SetModified(bool modified) = 0;
    virtual void SetFocus() = 0;

    // The one observer of typing (null for none); every implementation calls
    // it from TypeCharacter and from Backspace in PressKey.
    void SetTypingObserver(TypingObserver* observer) { typingObserver_ = observer; }
    TypingObserver* typingObserver() const { return typingObserver_; }

    // --- Worksheet helpers built on the above ------------------------------
    // One character or key held in the input queue, and applying it: both
    // displays run their queue through this, so queued input takes exactly
    // the path of typed input.
    struct QueuedInput {
        bool isKey;
        char character;
        DisplayKey key;
    };
    void Apply(const QueuedInput& input) {
        if (input.isKey)
            PressKey(input.key);
        else
            TypeCharacter(input.character);
    }

    int CaretLine() const { return LineFromChar(CaretPosition()); }

    // Queues End (when the caret is before the end of its line) and a line
    // feed, unless the caret's line is empty.
    void StartNewLine() {
        const int line = CaretLine();
        const int length = LineLength(line);
        if (length == 0) return;
        if (CaretPosition() < LineStart(line) + length) QueueKey(DisplayKey::End);
        QueueCharacter('\n');
    }

    // Queues End when the caret's line is not empty and the caret is before
    // its end.
    void MoveToLineEnd() {
        const int line = CaretLine();
        const int length = LineLength(line);
        if (length > 0 && CaretPosition() < LineStart(line) + length)
            QueueKey(DisplayKey::End);
    }

private:
    TypingObserver* typingObserver_ = nullptr;
};

}  // namespace quorvix
