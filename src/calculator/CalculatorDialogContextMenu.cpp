// The display's context menu: clipboard and undo entries enabled by the
// display's state, and the window's clear and variable commands.

#include "calculator/CalculatorDialog.h"

namespace quorvix {

std::vector<DisplayMenuEntry> CalculatorDialog::DisplayContextMenu() const {
    const bool hasSelection = display_.SelectionStart() != display_.SelectionEnd();
    return {
        {DisplayMenuCommand::Cut, "&Cut", hasSelection},
        {DisplayMenuCommand::Copy, "&Copy", hasSelection},
        {DisplayMenuCommand::Paste, "&Paste", display_.CanPaste()},
        {DisplayMenuCommand::Undo, "Undo", display_.CanUndo()},
        {DisplayMenuCommand::SelectAll, "Select All", true},
        {DisplayMenuCommand::Clear, "Clear", true},
        {DisplayMenuCommand::ShowVariables, "Show Variables", true},
        {DisplayMenuCommand::ClearVariables, "Clear Variables", true},
        {DisplayMenuCommand::DisplayOptions, "Display Options....", true},
    };
}

void CalculatorDialog::RunDisplayMenuCommand(DisplayMenuCommand command) {
    switch (command) {
        case DisplayMenuCommand::Cut:
            display_.Cut();
            break;
        case DisplayMenuCommand::Copy:
            display_.Copy();
            break;
        case DisplayMenuCommand::Paste:
            display_.Paste();
            break;
        case DisplayMenuCommand::Undo:
            display_.Undo();
            break;
        case DisplayMenuCommand::SelectAll:
            display_.SetSelection(0, -1);
            break;
        case DisplayMenuCommand::Clear:
            ClearDisplay();
            break;
        case DisplayMenuCommand::ShowVariables:
            ShowVariables();
            display_.SetFocus();
            break;
        case DisplayMenuCommand::ClearVariables:
            ConfirmClearVariables();
            break;
        case DisplayMenuCommand::DisplayOptions:
            if (onDisplayOptions) onDisplayOptions();
            break;
    }
}

}  // namespace quorvix
