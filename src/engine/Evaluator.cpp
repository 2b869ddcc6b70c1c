#include "engine/Evaluator.h"

#include <cerrno>
#include <functional>

#include "engine/FunctionDispatch.h"
#include "engine/Parser.h"
#include "engine/TextRules.h"

namespace quorvix {

Evaluator::Evaluator() {
    root_.owner = this;
    root_.valueSlots = &slots_;
}

Evaluator::~Evaluator() = default;

void Evaluator::setAngleUnit(AngleUnit unit) { angleUnit_ = unit; }
NumberBase Evaluator::numberBase() const { return numberBase_; }
void Evaluator::setNumberBase(NumberBase base) { numberBase_ = base; }
bool Evaluator::unitMode() const { return unitMode_; }
void Evaluator::setUnitMode(bool on) { unitMode_ = on; }
void Evaluator::setUserFunctions(const std::vector<UserFunctionEntry>* functions) {
    userFunctions_ = functions;
}
void Evaluator::setUnitConversion(UnitConversionService* service) { unitService_ = service; }
UnitConversionService* Evaluator::unitConversion() const { return unitService_; }

void Evaluator::SetExpression(std::string_view text) {
    root_.Reset();
    root_.ownText.clear();
    expression_ = UpperCaseText(text);
    typed_.assign(text);
    root_.text = expression_;
    errorLength_ = 1;
    errorDetail_.clear();
}

const std::string& Evaluator::Expression() const { return expression_; }

std::string_view Evaluator::AsTyped(std::string_view view) const {
    const std::less<const char*> before;
    const char* begin = expression_.data();
    const char* end = begin + expression_.size();
    if (before(view.data(), begin) || before(end, view.data() + view.size())) return view;
    return std::string_view(typed_).substr(static_cast<std::size_t>(view.data() - begin), view.size());
}

EvalError Evaluator::Parse() {
    if (root_.parsed) return kNoError;
    root_.listMode = false;
    // A root that expanded a variable during an earlier, failed parse views
    // the variable's text: start again from the expression.
    root_.text = expression_;
    errorLength_ = 1;
    return ParseTree(*this, root_, errorLength_);
}

double Evaluator::Evaluate() {
    errorDetail_.clear();
    if (!root_.parsed) {
        // Not parsed yet: parse now. After a failed parse the tree is
        // incomplete and is never evaluated.
        if (root_.error == kNoError) Parse();
        if (!root_.parsed) return 0.0;
    }
    if (EvaluateNode(root_) != kNoError) return 0.0;
    return root_.value;
}

EvalError Evaluator::LastError() const { return root_.error; }
int Evaluator::ErrorPosition() const { return root_.errorPosition; }
int Evaluator::ErrorLength() const { return errorLength_ < 1 ? 1 : errorLength_; }

std::string Evaluator::Message(EvalError code) const {
    const EvalError shown = code == kNoError ? root_.error : code;
    std::string message = ErrorMessage(shown);
    if (shown == root_.error && !errorDetail_.empty()) message += ": " + errorDetail_;
    return message;
}

bool Evaluator::HasTextResult() const { return root_.hasText; }
std::string Evaluator::ResultText() const { return root_.resultText; }

void Evaluator::SetSlotCount(int n) {
    slots_.assign(n > 0 ? static_cast<std::size_t>(n) : 0, ValueSlot{});
}
int Evaluator::SlotCount() const { return static_cast<int>(slots_.size()); }

void Evaluator::SetSlotName(int index, std::string_view name) {
    if (index >= 0 && index < SlotCount()) slots_[static_cast<std::size_t>(index)].name = name;
}

double Evaluator::SlotValue(int index) const {
    if (index < 0 || index >= SlotCount()) return 0.0;
    return slots_[static_cast<std::size_t>(index)].value;
}

void Evaluator::SetSlotValue(int index, double value) {
    if (index >= 0 && index < SlotCount()) slots_[static_cast<std::size_t>(index)].value = value;
}

int Evaluator::FindVariableIndex(std::string_view name) const {
    const auto it = variableIndex_.find(UpperCaseText(name));
    return it == variableIndex_.end() ? -1 : it->second;
}

std::string Evaluator::FindVariable(std::string_view name) const {
    const int i = FindVariableIndex(name);
    return i < 0 ? std::string() : variables_[static_cast<std::size_t>(i)].expression;
}

int Evaluator::SetVariable(std::string_view name, std::string_view expression) {
    const int i = FindVariableIndex(name);
    if (i >= 0) {
        variables_[static_cast<std::size_t>(i)].expression = expression;
        return i;
    }
    variables_.push_back(Variable{std::string(name), std::string(expression)});
    const int added = static_cast<int>(variables_.size()) - 1;
    variableIndex_.emplace(UpperCaseText(name), added);
    return added;
}

void Evaluator::SetVariableText(int index, std::string_view text) {
    if (index >= 0 && index < VariableCount()) variables_[static_cast<std::size_t>(index)].expression = text;
}

void Evaluator::RemoveVariable(int index) {
    if (index < 0 || index >= VariableCount()) return;
    variables_.erase(variables_.begin() + index);
    RebuildVariableIndex();
}

void Evaluator::RebuildVariableIndex() {
    variableIndex_.clear();
    for (std::size_t i = 0; i < variables_.size(); ++i)
        variableIndex_.emplace(UpperCaseText(variables_[i].name), static_cast<int>(i));
}

void Evaluator::ClearVariables() {
    variables_.clear();
    variableIndex_.clear();
}
int Evaluator::VariableCount() const { return static_cast<int>(variables_.size()); }

const Variable& Evaluator::VariableAt(int index) const {
    static const Variable kNone;
    if (index < 0 || index >= VariableCount()) return kNone;
    return variables_[static_cast<std::size_t>(index)];
}

}  // namespace quorvix
