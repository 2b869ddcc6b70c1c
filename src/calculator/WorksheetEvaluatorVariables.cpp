#include "calculator/WorksheetEvaluatorVariables.h"

#include "engine/Evaluator.h"

namespace quorvix {

int WorksheetEvaluatorVariables::Count() const { return evaluator_.VariableCount(); }

WorksheetVariable WorksheetEvaluatorVariables::At(int index) const {
    const Variable& variable = evaluator_.VariableAt(index);
    return {variable.name, variable.expression};
}

void WorksheetEvaluatorVariables::Clear() { evaluator_.ClearVariables(); }

void WorksheetEvaluatorVariables::Append(const std::string& name, const std::string& formula) {
    evaluator_.SetVariable(name, formula);
}

}  // namespace quorvix
