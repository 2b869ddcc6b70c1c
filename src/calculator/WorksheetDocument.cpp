#include "calculator/WorksheetDocument.h"

#include "calculator/CalculatorDisplay.h"
#include "platform/AtomicFile.h"
#include "platform/Prompter.h"

namespace quorvix {

WorksheetReadResult WorksheetDocument::SerializeWorksheet(bool loading) {
    if (loading) return ReadWorksheetFile(path_, worksheetText, variables_);
    writeError_.clear();
    WriteWorksheetFile(path_, worksheetText, variables_, &writeError_);
    return WorksheetReadResult::Loaded;
}

void WorksheetDocument::PutIntoDisplay(CalculatorDisplay& display) const {
    display.SetText(worksheetText);
    display.SetSelection(display.TextLength(), display.TextLength());
    if (!worksheetText.empty() && worksheetText.back() != '\n') display.TypeCharacter('\n');
    display.SetModified(false);
}

void WorksheetDocument::SaveOnExit(const CalculatorDisplay& display, bool saveDisplay) {
    if (saveDisplay) {
        worksheetText = TrimWorksheetText(display.Text());
    } else {
        // The variables are written either way; the text the user saved in
        // the file earlier stays (a new file gets an empty one).
        std::string bytes;
        DecodedWorksheet saved;
        if (ReadWholeFile(path_, bytes)) saved = DecodeWorksheet(bytes);
        worksheetText = saved.textRead ? saved.text : std::string();
    }
    SerializeWorksheet(false);
}

void WorksheetDocument::Save(CalculatorDisplay& display) {
    worksheetText = TrimWorksheetText(display.Text());
    SerializeWorksheet(false);
    display.SetModified(false);
}

FileDialogRequest WorksheetDocument::DialogRequest(bool saving) const {
    FileDialogRequest request;
    request.defaultExtension = kWorksheetExtension;
    request.initialPath = path_;
    request.filter = kWorksheetFilter;
    request.confirmOverwrite = saving;
    request.hideReadOnly = saving;
    return request;
}

void WorksheetDocument::SaveAs(CalculatorDisplay& display, FileDialogs& dialogs) {
    const auto chosen = dialogs.AskSavePath(DialogRequest(true));
    if (!chosen) return;
    path_ = *chosen;
    Save(display);
}

void WorksheetDocument::Load(CalculatorDisplay& display, Prompter& prompter,
                             FileDialogs& dialogs) {
    if (display.IsModified() &&
        prompter.AskYesNo("Save Worksheet",
                          "The current worksheet has changed.  Would you like to save it?",
                          PromptIcon::Warning))
        Save(display);
    const auto chosen = dialogs.AskOpenPath(DialogRequest(false));
    if (!chosen) return;
    path_ = *chosen;
    SerializeWorksheet(true);
    PutIntoDisplay(display);
}

}  // namespace quorvix
