#include "calculator/WorksheetFrontEnd.h"

#include <filesystem>
#include <system_error>

#include "calculator/WorksheetEvaluatorVariables.h"

namespace quorvix {

WorksheetReadResult LoadWorksheetVariables(const std::string& path, Evaluator& evaluator) {
    WorksheetEvaluatorVariables variables(evaluator);
    std::string ignoredText;
    return ReadWorksheetFile(path, ignoredText, variables);
}

std::string ContinuedWorksheetText(const std::string& worksheetText) {
    if (worksheetText.empty() || worksheetText.back() == '\n') return worksheetText;
    return worksheetText + '\n';
}

std::string WorksheetRunFile::Open() {
    // A lock that cannot be taken at all (a folder the user may not write)
    // does not stop the run: the write at its end fails and says so.
    if (lock_.Acquire(path_) == FileLock::Result::InUse) {
        inUse_ = true;
        readable_ = false;
        return {};
    }
    WorksheetEvaluatorVariables variables(evaluator_);
    std::string text;
    const WorksheetReadResult result = ReadWorksheetFile(path_, text, variables);
    // No file yet, or an empty one, holds nothing that writing could lose.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path_, error);
    const bool absent = status.type() == std::filesystem::file_type::not_found;
    const bool empty = std::filesystem::is_regular_file(status) &&
                       std::filesystem::file_size(path_, error) == 0 && !error;
    readable_ = result == WorksheetReadResult::Loaded || absent || empty;
    return ContinuedWorksheetText(text);
}

bool WorksheetRunFile::Save(const std::string& worksheetText, std::string* error) const {
    return Save(worksheetText, WorksheetEvaluatorVariables(evaluator_), error);
}

bool WorksheetRunFile::Save(const std::string& worksheetText, const WorksheetVariables& variables,
                            std::string* error) const {
    if (!readable_) {
        if (error != nullptr)
            *error = path_ + (inUse_ ? ": in use by another run" : ": could not be read completely");
        return false;
    }
    return WriteWorksheetFile(path_, TrimWorksheetText(worksheetText), variables, error);
}

}  // namespace quorvix
