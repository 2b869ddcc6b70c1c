#include "calculator/WorksheetEvaluatorVariables.h"

#include <cctype>

#include "engine/Evaluator.h"

namespace quorvix {

namespace {
// Variable names match without regard to case.
std::string NameKey(const std::string& name) {
    std::string key = name;
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}
}  // namespace

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
            index_.emplace(NameKey(evaluator_.VariableAt(i).name), i);
        indexed_ = true;
    }
    const auto [found, added] = index_.emplace(NameKey(name), evaluator_.VariableCount());
    if (added)
        evaluator_.AppendVariable(name, formula);
    else
        evaluator_.SetVariableText(found->second, formula);
}

}  // namespace quorvix
