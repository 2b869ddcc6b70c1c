#pragma once
// The calculator's current worksheet: its path (the "DisplayFile" setting),
// the text last read or about to be written, and the Save, Save As and Load
// commands of the Options menu. File errors are silent.

#include <string>

#include "calculator/Worksheet.h"
#include "platform/FileDialogs.h"

namespace quorvix {

class CalculatorDisplay;
class Prompter;

inline constexpr const char* kWorksheetFilter =
    "Quorvix Worksheet (*.qws)|*.qws|All Files (*.*)|*.*||";
inline constexpr const char* kWorksheetExtension = "qws";

class WorksheetDocument {
public:
    // path is the worksheet path setting; it changes when the user picks
    // another file.
    WorksheetDocument(std::string& path, WorksheetVariables& variables)
        : path_(path), variables_(variables) {}

    // Reads (loading) or writes the file at the worksheet path.
    WorksheetReadResult SerializeWorksheet(bool loading);

    // Shows worksheetText in the display: caret at the end, a line feed
    // typed when the text does not end with one (so the caret stands on a
    // fresh line), modified flag cleared.
    void PutIntoDisplay(CalculatorDisplay& display) const;

    // At exit: saves the display text when saveDisplay is on, else keeps the
    // text the file holds (empty for a new file); the variables are written
    // either way.
    void SaveOnExit(const CalculatorDisplay& display, bool saveDisplay);

    // "Save &Worksheet".
    void Save(CalculatorDisplay& display);
    // "Save Worksheet As...": the chosen path becomes the worksheet path.
    void SaveAs(CalculatorDisplay& display, FileDialogs& dialogs);
    // "Load Wor&ksheet...": offers to save a changed worksheet first.
    void Load(CalculatorDisplay& display, Prompter& prompter, FileDialogs& dialogs);

    const std::string& path() const { return path_; }
    // Why the last write failed, naming the file; empty after a write that
    // succeeded. The window may show it; the save itself stays silent.
    const std::string& writeError() const { return writeError_; }
    std::string worksheetText;

private:
    FileDialogRequest DialogRequest(bool saving) const;

    std::string& path_;
    WorksheetVariables& variables_;
    std::string writeError_;
};

}  // namespace quorvix
