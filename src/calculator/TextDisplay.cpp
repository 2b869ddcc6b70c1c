#include "calculator/TextDisplay.h"

#include <algorithm>

namespace quorvix {

namespace {

bool IsTypeable(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u != 0x7F;
}

}  // namespace

int TextDisplay::Clamp(int index) const {
    return std::clamp(index, 0, static_cast<int>(text_.size()));
}

const std::vector<int>& TextDisplay::LineStarts() const {
    if (lineStarts_.empty()) {
        lineStarts_.push_back(0);
        for (std::size_t i = 0; i < text_.size(); ++i)
            if (text_[i] == '\n') lineStarts_.push_back(static_cast<int>(i) + 1);
    }
    return lineStarts_;
}

int TextDisplay::LineCount() const { return static_cast<int>(LineStarts().size()); }

int TextDisplay::LineFromChar(int index) const {
    // The last line that starts at or before the index.
    const std::vector<int>& starts = LineStarts();
    const auto after = std::upper_bound(starts.begin(), starts.end(), Clamp(index));
    return static_cast<int>(after - starts.begin()) - 1;
}

int TextDisplay::LineStart(int line) const {
    const std::vector<int>& starts = LineStarts();
    if (line < 0 || line >= static_cast<int>(starts.size())) return -1;
    return starts[static_cast<std::size_t>(line)];
}

int TextDisplay::LineEndOf(int index) const {
    const std::size_t lf = text_.find('\n', static_cast<std::size_t>(Clamp(index)));
    return lf == std::string::npos ? static_cast<int>(text_.size()) : static_cast<int>(lf);
}

int TextDisplay::LineLength(int line) const {
    const int start = LineStart(line);
    if (start < 0) return 0;
    return LineEndOf(start) - start;
}

std::string TextDisplay::ReadLine(int line, int maxChars) const {
    const int start = LineStart(line);
    if (start < 0 || maxChars <= 0) return std::string();
    int end = LineEndOf(start);
    if (end < static_cast<int>(text_.size())) ++end;  // the line break belongs to the line
    const int count = std::min(end - start, maxChars);
    return text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
}

void TextDisplay::SetSelection(int start, int end) {
    const int length = static_cast<int>(text_.size());
    anchor_ = start < 0 ? length : Clamp(start);
    caret_ = end < 0 ? length : Clamp(end);
    typingRun_ = false;
}

void TextDisplay::MoveCaret(int position) {
    anchor_ = caret_ = Clamp(position);
    typingRun_ = false;
}

void TextDisplay::SetText(const std::string& text) {
    text_ = text;
    lineStarts_.clear();
    anchor_ = caret_ = static_cast<int>(text_.size());
    hasUndo_ = false;
    typingRun_ = false;
    modified_ = true;
}

void TextDisplay::RememberForUndo(bool typing) {
    if (typing && typingRun_) return;  // continue the current typing step
    undoText_ = text_;
    undoAnchor_ = anchor_;
    undoCaret_ = caret_;
    hasUndo_ = true;
}

void TextDisplay::ReplaceSelection(const std::string& text, bool typing) {
    const int start = SelectionStart();
    const int end = SelectionEnd();
    if (start == end && text.empty()) return;
    RememberForUndo(typing && start == end);
    text_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), text);
    lineStarts_.clear();
    anchor_ = caret_ = start + static_cast<int>(text.size());
    modified_ = true;
    typingRun_ = typing;
}

void TextDisplay::DeleteSelection() { ReplaceSelection(std::string(), false); }

void TextDisplay::TypeCharacter(char c) {
    if (c != '\n' && !IsTypeable(c)) return;
    if (TypingObserver* observer = typingObserver()) observer->BeforeCharacter(c);
    ReplaceSelection(std::string(1, c), true);
}

void TextDisplay::TypeText(const std::string& text) {
    for (char c : text) TypeCharacter(c);
}

void TextDisplay::PressKey(DisplayKey key) {
    const int line = LineFromChar(caret_);
    const int lineStart = LineStart(line);
    const int column = caret_ - lineStart;
    switch (key) {
        case DisplayKey::Home:
            MoveCaret(lineStart);
            break;
        case DisplayKey::End:
            MoveCaret(lineStart + LineLength(line));
            break;
        case DisplayKey::Up:
        case DisplayKey::Down: {
            const int target = key == DisplayKey::Up ? line - 1 : line + 1;
            if (target < 0 || target >= LineCount()) {
                MoveCaret(caret_);
                break;
            }
            MoveCaret(LineStart(target) + std::min(column, LineLength(target)));
            break;
        }
        case DisplayKey::Left:
            if (anchor_ != caret_)
                MoveCaret(SelectionStart());
            else
                MoveCaret(caret_ - 1);
            break;
        case DisplayKey::Right:
            if (anchor_ != caret_)
                MoveCaret(SelectionEnd());
            else
                MoveCaret(caret_ + 1);
            break;
        case DisplayKey::Backspace:
            if (TypingObserver* observer = typingObserver()) observer->BeforeBackspace(caret_);
            if (anchor_ == caret_) {
                if (caret_ == 0) return;
                anchor_ = caret_ - 1;
            }
            ReplaceSelection(std::string(), false);
            break;
        case DisplayKey::Delete:
            if (anchor_ == caret_) {
                if (caret_ >= static_cast<int>(text_.size())) return;
                anchor_ = caret_ + 1;
            }
            ReplaceSelection(std::string(), false);
            break;
    }
}

void TextDisplay::Cut() {
    if (anchor_ == caret_) return;
    Copy();
    DeleteSelection();
}

void TextDisplay::Copy() {
    if (anchor_ == caret_) return;
    clipboard_ = text_.substr(static_cast<std::size_t>(SelectionStart()),
                              static_cast<std::size_t>(SelectionEnd() - SelectionStart()));
}

void TextDisplay::Paste() {
    std::string cleaned;
    for (char c : clipboard_)
        if (c == '\n' || IsTypeable(c)) cleaned.push_back(c);
    if (!cleaned.empty()) ReplaceSelection(cleaned, false);
}

void TextDisplay::Undo() {
    if (!hasUndo_) return;
    // Undo swaps with the remembered state, so a second Undo redoes.
    std::swap(text_, undoText_);
    lineStarts_.clear();
    std::swap(anchor_, undoAnchor_);
    std::swap(caret_, undoCaret_);
    anchor_ = Clamp(anchor_);
    caret_ = Clamp(caret_);
    modified_ = true;
    typingRun_ = false;
}

int TextDisplay::ProcessQueuedInput() {
    int ran = 0;
    while (!queue_.empty()) {
        const QueuedInput input = queue_.front();
        queue_.pop_front();
        Apply(input);
        ++ran;
    }
    return ran;
}

}  // namespace quorvix
