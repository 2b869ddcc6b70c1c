#pragma once
// Worksheets for a front end without a window (the terminal calculator):
// take the variables of the current worksheet without ever writing it, or
// continue a chosen worksheet and write it back with the run's lines.

#include <string>

#include "calculator/Worksheet.h"
#include "platform/FileLock.h"

namespace quorvix {

class Evaluator;

// Replaces the evaluator's variables by those of the worksheet at path; the
// file is only read. A file that cannot be opened changes nothing.
WorksheetReadResult LoadWorksheetVariables(const std::string& path, Evaluator& evaluator);

// The text a run continues from: the worksheet's text on a fresh line, as
// the window shows it after loading (empty stays empty).
std::string ContinuedWorksheetText(const std::string& worksheetText);

// A worksheet that a run continues: Open takes the worksheet's lock, reads
// it (text and variables) and returns the text to continue from; Save writes
// the run's whole worksheet text (trailing blanks and line breaks dropped)
// with the variables. The lock is held until the object goes away, so a
// second run on the same file learns at once that it is in use.
// A file that exists but could not be read completely (unreadable, damaged,
// not a regular file) is never written over: that would throw away what it
// still holds. Neither is a file that another run holds.
class WorksheetRunFile {
public:
    WorksheetRunFile(std::string path, Evaluator& evaluator)
        : path_(std::move(path)), evaluator_(evaluator) {}

    // Reads nothing and returns "" when another run holds the worksheet.
    std::string Open();
    // False, and nothing written, for a file Open could not read completely
    // or that is in use; error then says why. The first form writes the
    // evaluator's variables.
    bool Save(const std::string& worksheetText, std::string* error = nullptr) const;
    bool Save(const std::string& worksheetText, const WorksheetVariables& variables,
              std::string* error = nullptr) const;

    const std::string& path() const { return path_; }
    // True when Open read the whole file, or there was no file yet or an
    // empty one.
    bool readable() const { return readable_; }
    // True when another run held the worksheet's lock at Open.
    bool inUse() const { return inUse_; }

private:
    std::string path_;
    Evaluator& evaluator_;
    FileLock lock_;
    bool readable_ = true;
    bool inUse_ = false;
};

}  // namespace quorvix
