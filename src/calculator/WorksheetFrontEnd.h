#pragma once
// Worksheets for a front end without a window (the terminal calculator):
// take the variables of the current worksheet without ever writing it, or
// continue a chosen worksheet and write it back with the run's lines.

#include <string>

#include "calculator/Worksheet.h"

namespace quorvix {

class Evaluator;

// Replaces the evaluator's variables by those of the worksheet at path; the
// file is only read. A file that cannot be opened changes nothing.
WorksheetReadResult LoadWorksheetVariables(const std::string& path, Evaluator& evaluator);

// The text a run continues from: the worksheet's text on a fresh line, as
// the window shows it after loading (empty stays empty).
std::string ContinuedWorksheetText(const std::string& worksheetText);

// A worksheet that a run continues: Open reads it (text and variables) and
// returns the text to continue from; Save writes the run's whole worksheet
// text (trailing blanks and line breaks dropped) with the current variables.
// A file that exists but could not be read completely (unreadable, damaged)
// is never written over: that would throw away what it still holds.
class WorksheetRunFile {
public:
    WorksheetRunFile(std::string path, Evaluator& evaluator)
        : path_(std::move(path)), evaluator_(evaluator) {}

    std::string Open();
    // False, and nothing written, for a file Open could not read completely.
    bool Save(const std::string& worksheetText) const;

    const std::string& path() const { return path_; }
    // True when Open read the whole file, or there was no file yet or an
    // empty one.
    bool readable() const { return readable_; }

private:
    std::string path_;
    Evaluator& evaluator_;
    bool readable_ = true;
};

}  // namespace quorvix
