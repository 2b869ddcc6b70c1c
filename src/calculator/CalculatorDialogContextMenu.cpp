// The display's context menu: clipboard and undo entries enabled by the
// display's state, and the window's clear and variable commands.

#include "calculator/CalculatorDialog.h"
#include "platform/CommandIds.h"

#include <string>

namespace quorvix {

namespace {
MenuItem Entry(const char* caption, int command, bool enabled) {
    MenuItem item = MenuItem::Entry(caption, command);
    item.enabled = enabled;
    return item;
}
}  // namespace

MenuItems CalculatorDialog::DisplayContextMenu() const {
    const bool hasSelection = display_.SelectionStart() != display_.SelectionEnd();
    return {
        Entry("&Cut", kCmdDisplayCut, hasSelection),
        Entry("&Copy", kCmdDisplayCopy, hasSelection),
        Entry("&Paste", kCmdDisplayPaste, display_.CanPaste()),
        Entry("Undo", kCmdDisplayUndo, display_.CanUndo()),
        Entry("Select All", kCmdDisplaySelectAll, true),
        Entry("Copy &Answer", kCmdCopyAnswer, !lastAnswerText_.empty()),
        Entry("Copy &Line", kCmdCopyLine, true),
        Entry("Clear", kCmdClearDisplay, true),
        Entry("Show Variables", kCmdShowVariables, true),
        Entry("Clear Variables", kCmdClearVariables, true),
        Entry("Display Options...", kCmdDisplayOptions, true),
    };
}

bool CalculatorDialog::RunDisplayEditCommand(int id) {
    switch (id) {
        case kCmdDisplayCut: display_.Cut(); return true;
        case kCmdDisplayCopy: display_.Copy(); return true;
        case kCmdDisplayPaste: display_.Paste(); return true;
        case kCmdDisplayUndo: display_.Undo(); return true;
        case kCmdDisplaySelectAll: display_.SetSelection(0, -1); return true;
        case kCmdCopyAnswer: CopyLastAnswer(); return true;
        case kCmdCopyLine: CopyCaretLine(); return true;
        default: return false;
    }
}

bool CalculatorDialog::CopyLastAnswer() {
    if (lastAnswerText_.empty()) {
        ShowHelpText("No answer to copy yet");
        return false;
    }
    display_.CopyText(lastAnswerText_);
    ShowHelpText("Copied the last answer: " + lastAnswerText_);
    return true;
}

void CalculatorDialog::CopyCaretLine() {
    const int line = display_.CaretLine();
    const int start = display_.LineStart(line);
    const std::string text = display_.Text();
    display_.CopyText(start < 0 ? std::string()
                                : text.substr(static_cast<std::size_t>(start),
                                              static_cast<std::size_t>(display_.LineLength(line))));
}

}  // namespace quorvix
