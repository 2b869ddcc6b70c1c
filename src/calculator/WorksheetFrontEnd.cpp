#include "calculator/WorksheetFrontEnd.h"

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
    ReadWorksheetFile(path_, text, variables);
    return ContinuedWorksheetText(text);
}

bool WorksheetRunFile::Save(const std::string& worksheetText) const {
    WorksheetEvaluatorVariables variables(evaluator_);
    return WriteWorksheetFile(path_, TrimWorksheetText(worksheetText), variables);
}

}  // namespace quorvix
