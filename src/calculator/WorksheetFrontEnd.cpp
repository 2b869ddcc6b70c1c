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
    WorksheetEvaluatorVariables variables(evaluator_);
    std::string text;
    const WorksheetReadResult result = ReadWorksheetFile(path_, text, variables);
    std::error_code error;
    const bool absent = result == WorksheetReadResult::NotOpened &&
                        !std::filesystem::exists(path_, error) && !error;
    readable_ = result == WorksheetReadResult::Loaded || absent;
    return ContinuedWorksheetText(text);
}

bool WorksheetRunFile::Save(const std::string& worksheetText) const {
    if (!readable_) return false;
    WorksheetEvaluatorVariables variables(evaluator_);
    return WriteWorksheetFile(path_, TrimWorksheetText(worksheetText), variables);
}

}  // namespace quorvix
