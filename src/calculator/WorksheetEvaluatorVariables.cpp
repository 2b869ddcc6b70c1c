#include "calculator/WorksheetEvaluatorVariables.h"

#include "engine/Evaluator.h"
#include "engine/TextRules.h"

namespace quorvix {

int WorksheetEvaluatorVariables::Count() const { return evaluator_.VariableCount(); }

WorksheetVariable WorksheetEvaluatorVariables::At(int index) const {
    const Variable& variable = evaluator_.VariableAt(index);
    return {variable.name, variable.expression};
}

void WorksheetEvaluatorVariables::Clear() {
    evaluator_.ClearVariables();
    index_.clear();
    indexed_ = true;
}

void WorksheetEvaluatorVariables::Append(const std::string& name, const std::string& formula) {
    if (!indexed_) {
        for (int i = 0; i < evaluator_.VariableCount(); ++i)
            index_.emplace(UpperCaseText(evaluator_.VariableAt(i).name), i);
        indexed_ = true;
    }
    const auto [found, added] = index_.emplace(UpperCaseText(name), evaluator_.VariableCount());
    if (added)
        evaluator_.AppendVariable(name, formula);
    else
        evaluator_.SetVariableText(found->second, formula);
}

}  // namespace quorvix
