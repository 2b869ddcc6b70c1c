#include "calculator/VariableAssignment.h"

#include "engine/Evaluator.h"

namespace quorvix {

VariableAssignment::VariableAssignment(Evaluator& evaluator, std::string_view name,
                                       std::string_view formula)
    : evaluator_(evaluator), oldFormula_(evaluator.FindVariable(name)) {
    const int countBefore = evaluator_.VariableCount();
    index_ = evaluator_.SetVariable(name, formula);
    created_ = evaluator_.VariableCount() > countBefore;
}

VariableAssignment::~VariableAssignment() {
    if (committed_) return;
    if (created_)
        evaluator_.RemoveVariable(index_);
    else
        evaluator_.SetVariableText(index_, oldFormula_);
}

}  // namespace quorvix
