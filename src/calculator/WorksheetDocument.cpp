#include "calculator/WorksheetDocument.h"

#include <sys/stat.h>

#include "calculator/CalculatorDisplay.h"
#include "platform/AtomicFile.h"
#include "platform/Prompter.h"

namespace quorvix {

std::string WorksheetReadNotice(WorksheetReadResult result, bool fileExists) {
    if (result == WorksheetReadResult::Damaged)
        return "Worksheet damaged: partly loaded, file kept";
    if (result == WorksheetReadResult::NotOpened && fileExists)
        return "Worksheet unreadable: not loaded, file kept";
    return std::string();
}

bool WorksheetDocument::LockCurrentPath() {
    if (!locking_) return true;
    if (lockedPath_ == path_) return !inUse_;
    // A lock that cannot be taken at all (a folder the user may not write)
    // does not stop the write: that fails and says why.
    inUse_ = lock_->Acquire(path_) == FileLock::Result::InUse;
    lockedPath_ = path_;
    return !inUse_;
}

WorksheetReadResult WorksheetDocument::SerializeWorksheet(bool loading) {
    if (loading) {
        // A worksheet another run writes is still shown; it is only not
        // written over.
        LockCurrentPath();
        const WorksheetReadResult result = ReadWorksheetFile(path_, worksheetText, variables_);
        // Anything under the name (a directory or a FIFO too) counts as there.
        struct stat st;
        readNotice_ = WorksheetReadNotice(result, ::stat(path_.c_str(), &st) == 0);
        return result;
    }
    Write(false);
    return WorksheetReadResult::Loaded;
}

void WorksheetDocument::Write(bool retryLock) {
    writeError_.clear();
    // The exit never writes a worksheet that was in use when it was read:
    // the other run's work would be lost. Save asks for the lock again.
    if (retryLock && inUse_) lockedPath_.clear();
    if (!LockCurrentPath()) {
        writeError_ = path_ + ": " + kWorksheetInUse;
        return;
    }
    WriteWorksheetFile(path_, worksheetText, variables_, &writeError_);
}

void WorksheetDocument::PutIntoDisplay(CalculatorDisplay& display) const {
    display.SetText(worksheetText);
    display.SetSelection(display.TextLength(), display.TextLength());
    if (!worksheetText.empty() && worksheetText.back() != '\n') display.TypeCharacter('\n');
    display.SetModified(false);
}

void WorksheetDocument::SaveOnExit(const CalculatorDisplay& display, bool saveDisplay) {
    if (keepsFile()) return;
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
    Write(true);
    display.SetModified(false);
    // Saved on purpose: the file holds the user's text now.
    if (writeError_.empty()) readNotice_.clear();
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
    writeError_.clear();
    const auto chosen = dialogs.AskSavePath(DialogRequest(true));
    if (!chosen) return;
    if (locking_ && ResolveWriteTarget(*chosen) != ResolveWriteTarget(path_)) {
        // The current file stays locked until the new one is.
        auto lock = std::make_unique<FileLock>();
        if (lock->Acquire(*chosen) == FileLock::Result::InUse) {
            writeError_ = *chosen + ": " + kWorksheetInUse;
            return;
        }
        lock_ = std::move(lock);
        lockedPath_ = *chosen;
        inUse_ = false;
    }
    path_ = *chosen;
    Save(display);
}

void WorksheetDocument::Load(CalculatorDisplay& display, Prompter& prompter,
                             FileDialogs& dialogs) {
    writeError_.clear();
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
