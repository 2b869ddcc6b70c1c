#pragma once
// The calculator's current worksheet: its path (the "DisplayFile" setting),
// the text last read or about to be written, and the Save, Save As and Load
// commands of the Options menu. File errors are silent.
//
// With locking on (the window), the document holds the worksheet's advisory
// lock from the moment it reads or writes a file until it switches to
// another, so a `quorvix-cli --worksheet` run cannot write it meanwhile.
// A worksheet that such a run holds is read but not written over: the exit
// leaves it alone, Save tries the lock again, and Save As refuses it.

#include <memory>
#include <string>

#include "calculator/Worksheet.h"
#include "platform/FileDialogs.h"
#include "platform/FileLock.h"

namespace quorvix {

class CalculatorDisplay;
class Prompter;

inline constexpr const char* kWorksheetFilter =
    "Quorvix Worksheet (*.qws)|*.qws|All Files (*.*)|*.*||";
inline constexpr const char* kWorksheetExtension = "qws";
inline constexpr const char* kWorksheetInUse =
    "in use by a quorvix-cli --worksheet run; not written over";

class WorksheetDocument {
public:
    // path is the worksheet path setting; it changes when the user picks
    // another file.
    WorksheetDocument(std::string& path, WorksheetVariables& variables)
        : path_(path), variables_(variables) {}

    // Turns locking on; call before the first read or write.
    void EnableLocking() { locking_ = true; }
    // True while another run holds the lock of the worksheet read last, so
    // that this document does not write it.
    bool inUse() const { return inUse_; }

    // Reads (loading) or writes the file at the worksheet path.
    WorksheetReadResult SerializeWorksheet(bool loading);

    // Shows worksheetText in the display: caret at the end, a line feed
    // typed when the text does not end with one (so the caret stands on a
    // fresh line), modified flag cleared.
    void PutIntoDisplay(CalculatorDisplay& display) const;

    // At exit: saves the display text when saveDisplay is on, else keeps the
    // text the file holds (empty for a new file); the variables are written
    // either way. A file kept (see keepsFile) is not written.
    void SaveOnExit(const CalculatorDisplay& display, bool saveDisplay);

    // "Save &Worksheet".
    void Save(CalculatorDisplay& display);
    // "Save Worksheet As...": the chosen path becomes the worksheet path.
    void SaveAs(CalculatorDisplay& display, FileDialogs& dialogs);
    // "Load Wor&ksheet...": offers to save a changed worksheet first.
    void Load(CalculatorDisplay& display, Prompter& prompter, FileDialogs& dialogs);

    const std::string& path() const { return path_; }
    // The help-line notice about the file read last (at start or by Load)
    // when it could not be read whole, else empty. Such a file is kept: the
    // exit does not write over it until the user saves it on purpose.
    const std::string& readNotice() const { return readNotice_; }
    bool keepsFile() const { return !readNotice_.empty(); }
    // Why the last write failed, naming the file; empty after a write that
    // succeeded. The window may show it; the save itself stays silent.
    const std::string& writeError() const { return writeError_; }
    std::string worksheetText;

private:
    FileDialogRequest DialogRequest(bool saving) const;
    // Takes the lock for the current path unless held; false while another
    // run holds it.
    bool LockCurrentPath();
    void Write(bool retryLock);

    std::string& path_;
    WorksheetVariables& variables_;
    std::string writeError_;
    std::string readNotice_;
    bool locking_ = false;
    bool inUse_ = false;
    std::unique_ptr<FileLock> lock_ = std::make_unique<FileLock>();
    std::string lockedPath_;
};

// The notice for a worksheet read, or empty when it was read completely or
// did not exist. Short, so that it fits the help line.
std::string WorksheetReadNotice(WorksheetReadResult result, bool fileExists);

}  // namespace quorvix
