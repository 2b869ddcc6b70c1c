#include "calculator/plot/PlotExpression.h"

#include "calculator/LineClassifier.h"
#include "engine/BuiltinNames.h"
#include "engine/FunctionDispatch.h"

namespace quorvix {

namespace {

constexpr int kSlotT = 0;
constexpr int kSlotAns = 1;

PlotSolver SolverOf(int functionId) {
    switch (functionId) {
        case kFint: return PlotSolver::Fint;
        case kFdiff: return PlotSolver::Fdiff;
        case kFzero: return PlotSolver::Fzero;
        case kFzeros: return PlotSolver::Fzeros;
        case kFsum: return PlotSolver::Fsum;
        default: return PlotSolver::None;
    }
}

// The first solver call of the tree, parents before children, left first.
// Iterative, since an operator chain may be long.
ExprNode* FindSolverCall(ExprNode& root) {
    std::vector<ExprNode*> pending{&root};
    while (!pending.empty()) {
        ExprNode* node = pending.back();
        pending.pop_back();
        if (node->kind == kCallNode && SolverOf(node->functionId) != PlotSolver::None) return node;
        if (node->right) pending.push_back(node->right.get());
        if (node->left) pending.push_back(node->left.get());
    }
    return nullptr;
}

// The argument nodes of a call after the first, in order.
std::vector<ExprNode*> NumericArguments(ExprNode& call) {
    std::vector<ExprNode*> nodes;
    ExprNode* list = call.left.get();
    if (!list || list->kind != kListNode) return nodes;
    for (ExprNode* rest = list->right.get(); rest;) {
        if (rest->kind == kListNode) {
            nodes.push_back(rest->left.get());
            rest = rest->right.get();
        } else {
            nodes.push_back(rest);
            break;
        }
    }
    return nodes;
}

}  // namespace

std::optional<std::string> PlotTextOfLine(std::string_view line) {
    const ClassifiedLine classified = ClassifyLine(line);
    if (classified.kind == LineKind::Expression) return classified.expression;
    if (classified.kind == LineKind::Assignment) return classified.formula;
    return std::nullopt;
}

void PlotExpression::CopySettings(const Evaluator& from, Evaluator& to) {
    to.setAngleUnit(from.angleUnit());
    to.setNumberBase(from.numberBase());
    to.setUserFunctions(from.UserFunctions());
    to.setUnitConversion(from.unitConversion());
    to.SetSlotCount(2);
    to.SetSlotName(kSlotT, "t");
    to.SetSlotName(kSlotAns, "ANS");
    if (from.SlotCount() > kSlotAns) {
        to.SetSlotValue(kSlotT, from.SlotValue(kSlotT));
        to.SetSlotValue(kSlotAns, from.SlotValue(kSlotAns));
    }
    for (int i = 0; i < from.VariableCount(); ++i) {
        const Variable& v = from.VariableAt(i);
        to.SetVariable(v.name, v.expression);
    }
}

PlotExpression::PlotExpression(const Evaluator& calculator) {
    CopySettings(calculator, evaluator_);
    CopySettings(calculator, scratch_);
    // The range fields show decimal numbers, so they are read in base 10.
    scratch_.setNumberBase(10);
}

std::optional<std::string> PlotExpression::Parse(std::string_view text) {
    function_ = solverCall_ = nullptr;
    solver_ = PlotSolver::None;
    arguments_.clear();
    evaluator_.SetExpression(text);
    if (const EvalError code = evaluator_.Parse(); code != kNoError) {
        const char* prefix = code == kEvaluationCancelled ? "Error: " : "Syntax error: ";
        return prefix + evaluator_.Message(code);
    }
    function_ = &evaluator_.Root();
    if (ExprNode* call = FindSolverCall(evaluator_.Root())) {
        if (ExprNode* f = SolverFunctionArgument(*call)) {
            solverCall_ = call;
            function_ = f;
            solver_ = SolverOf(call->functionId);
            for (ExprNode* argument : NumericArguments(*call)) {
                if (!argument || EvaluateNode(*argument) != kNoError) {
                    arguments_.clear();
                    break;
                }
                arguments_.push_back(argument->value);
            }
        }
    }
    return std::nullopt;
}

EvalError PlotExpression::EvaluateSolver(double& value, std::string& text) {
    value = 0.0;
    text.clear();
    if (!solverCall_) return kBadArgument;
    const EvalError code = EvaluateNode(*solverCall_);
    if (code == kNoError) {
        value = solverCall_->value;
        if (solverCall_->hasText) text = solverCall_->resultText;
    }
    return code;
}

bool PlotExpression::Sample(double t, double& y) {
    if (!function_) return false;
    evaluator_.SetSlotValue(kSlotT, t);
    lastError_ = EvaluateNode(*function_);
    y = function_->value;
    return lastError_ == kNoError;
}

std::optional<double> PlotExpression::EvaluateNumber(std::string_view text, std::string& message) {
    scratch_.SetExpression(text);
    if (const EvalError code = scratch_.Parse(); code != kNoError) {
        message = "Syntax error: " + scratch_.Message(code);
        return std::nullopt;
    }
    const double value = scratch_.Evaluate();
    if (scratch_.LastError() != kNoError) {
        message = "Error: " + scratch_.Message(scratch_.LastError());
        return std::nullopt;
    }
    return value;
}

}  // namespace quorvix
