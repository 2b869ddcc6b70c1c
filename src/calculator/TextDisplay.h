#pragma once
// An in-memory worksheet display: the CalculatorDisplay that tests and the
// terminal front end drive. Queued input waits until ProcessQueuedInput runs
// it, which stands in for the event loop of a real window.

#include <deque>
#include <string>
#include <vector>

#include "calculator/CalculatorDisplay.h"

namespace quorvix {

class TextDisplay : public CalculatorDisplay {
public:
    std::string Text() const override { return text_; }
    int TextLength() const override { return static_cast<int>(text_.size()); }
    int LineCount() const override;
    int LineFromChar(int index) const override;
    int LineStart(int line) const override;
    int LineLength(int line) const override;
    std::string ReadLine(int line, int maxChars) const override;

    int CaretPosition() const override { return caret_; }
    int SelectionStart() const override { return anchor_ < caret_ ? anchor_ : caret_; }
    int SelectionEnd() const override { return anchor_ < caret_ ? caret_ : anchor_; }
    void SetSelection(int start, int end) override;

    void SetText(const std::string& text) override;
    void DeleteSelection() override;
    void TypeCharacter(char c) override;
    void PressKey(DisplayKey key) override;

    void QueueCharacter(char c) override { queue_.push_back({false, c, DisplayKey::Home}); }
    void QueueKey(DisplayKey key) override { queue_.push_back({true, '\0', key}); }

    void Cut() override;
    void Copy() override;
    void CopyText(const std::string& text) override { clipboard_ = text; }
    void Paste() override;
    bool CanPaste() const override { return !clipboard_.empty(); }
    void Undo() override;
    bool CanUndo() const override { return hasUndo_; }
    bool IsModified() const override { return modified_; }
    void SetModified(bool modified) override { modified_ = modified; }
    void SetFocus() override {}  // nothing to focus in memory

    // Runs queued characters and keys in order, including any queued while
    // running; returns how many ran.
    int ProcessQueuedInput();
    int PendingInputCount() const { return static_cast<int>(queue_.size()); }

    // Conveniences for callers that type or place the caret directly.
    void SetCaret(int position) { SetSelection(position, position); }
    void TypeText(const std::string& text);
    const std::string& Clipboard() const { return clipboard_; }
    void SetClipboard(const std::string& text) { clipboard_ = text; }

private:

    int Clamp(int index) const;
    // Where each line starts, built when first asked for after a change of
    // the text, so that walking the lines of a long text stays linear.
    const std::vector<int>& LineStarts() const;
    int LineEndOf(int index) const;
    void RememberForUndo(bool typing);
    // Replaces the selection with text as one edit.
    void ReplaceSelection(const std::string& text, bool typing);
    void MoveCaret(int position);

    std::string text_;
    mutable std::vector<int> lineStarts_;  // empty until built
    int anchor_ = 0;
    int caret_ = 0;
    bool modified_ = false;

    bool hasUndo_ = false;
    std::string undoText_;
    int undoAnchor_ = 0;
    int undoCaret_ = 0;
    // Consecutive typing at the caret is undone as one step.
    bool typingRun_ = false;

    std::string clipboard_;
    std::deque<QueuedInput> queue_;
};

}  // namespace quorvix
