// Computing a parsed tree: the operators, argument gathering, dispatch to
// the function groups and the common result check.

#include <cerrno>
#include <cmath>

#include "engine/BuiltinFunctions.h"
#include "engine/BuiltinNames.h"
#include "engine/CompiledProgram.h"
#include "engine/Evaluator.h"
#include "engine/FunctionDispatch.h"
#include "engine/Power.h"
#include "engine/ResultCheck.h"
#include "engine/UnitConversionService.h"

namespace quorvix {

namespace {

constexpr int kArgumentCapacity = kMaxCallArguments + kPaddingZeros;
// User functions cannot call user functions; this only bounds a list that
// was wired to itself by mistake.
constexpr int kMaxUserFunctionNesting = 8;
thread_local int userFunctionNesting = 0;

inline double ApplyOperator(int id, double a, double b) {
    switch (id) {
        case kAdd: return a + b;
        case kSubtract: return a - b;
        case kMultiply: return a * b;
        case kDivide: return a / b;
        case kPower: return Power(a, b);
        default: return a * 0.01;  // postfix %
    }
}

// An operator node and the chain of same-level operators on its left,
// evaluated bottom-up by a loop.
EvalError EvaluateOperators(ExprNode& top) {
    ExprNode* n = &top;
    while (n->left && n->left->chainParent == n) n = n->left.get();
    EvalError code = EvaluateNode(*n->left);
    if (code != kNoError) return code;
    double acc = n->left->value;
    for (;;) {
        double b = 0.0;
        if (n->right) {
            code = EvaluateNode(*n->right);
            if (code != kNoError) return code;
            b = n->right->value;
        }
        errno = 0;
        acc = ApplyOperator(n->functionId, acc, b);
        n->value = acc;
        code = CheckResult(acc);
        if (code != kNoError) {
            n->error = code;
            return code;
        }
        if (n == &top) return kNoError;
        n->error = kNoError;
        n = n->chainParent;
    }
}

EvalError CallUserFunction(const double* args, int count, ExprNode& call) {
    const std::vector<UserFunctionEntry>* list = call.owner ? call.owner->UserFunctions() : nullptr;
    if (!list || call.index < 0 || static_cast<std::size_t>(call.index) >= list->size())
        return kBadArgument;
    Evaluator* function = (*list)[static_cast<std::size_t>(call.index)].evaluator.get();
    if (!function || !function->Root().parsed || userFunctionNesting >= kMaxUserFunctionNesting)
        return kBadArgument;
    const int parameters = function->SlotCount() - 1;
    for (int i = 1; i <= parameters; ++i) function->SetSlotValue(i, i - 1 < count ? args[i - 1] : 0.0);
    ++userFunctionNesting;
    const EvalError code = EvaluateNode(function->Root());
    --userFunctionNesting;
    call.value = function->Root().value;
    // A failure in the body fails the call, also one raised without errno.
    return code;
}

// The nodes of a call's arguments, in order (at most `capacity`).
int ArgumentNodes(ExprNode& call, ExprNode** nodes, int capacity) {
    ExprNode* list = call.left.get();
    if (!list) return 0;
    if (list->kind != kListNode) {
        nodes[0] = list;
        return 1;
    }
    int n = 0;
    while (n < capacity) {
        nodes[n++] = list->left.get();
        ExprNode* rest = list->right.get();
        if (rest && rest->kind == kListNode && n < capacity) {
            list = rest;
            continue;
        }
        if (rest && n < capacity) nodes[n++] = rest;
        break;
    }
    return n;
}

EvalError CallConvert(const double* args, ExprNode& call) {
    ExprNode* nodes[3] = {};
    if (ArgumentNodes(call, nodes, 3) != 3) return kBadArgument;
    const ExprNode* from = nodes[1];
    const ExprNode* to = nodes[2];
    if (!from || !to || from->kind != kStringNode || to->kind != kStringNode) return kBadArgument;
    UnitConversionService* service = call.owner ? call.owner->unitConversion() : nullptr;
    if (!service) return kBadArgument;
    double result = 0.0;
    const EvalError code = service->ConvertUnits(args[0], from->token, to->token, result);
    if (code != kNoError) {
        call.owner->SetErrorDetail(service->FailureText());
        return code;
    }
    call.value = result;
    return kNoError;
}

// Gathers the arguments, runs the function and checks its result. The
// argument array lives on the stack: nothing is allocated per evaluation.
EvalError EvaluateFunction(ExprNode& call) {
    const int id = call.functionId;
    const bool solver = id >= kFirstSolver && id <= kLastSolver;
    double args[kArgumentCapacity];
    int count = 0;

    auto append = [&](ExprNode* item) -> EvalError {
        if (!item) return kBadArgument;
        if (count >= kMaxCallArguments) return kBadArgument;
        const EvalError code = EvaluateNode(*item);
        if (code != kNoError) return code;
        args[count++] = item->value;
        return kNoError;
    };

    ExprNode* left = call.left.get();
    if (left && left->kind == kListNode) {
        bool skip = solver;  // the function of t is sampled, not evaluated
        for (ExprNode* list = left;;) {
            if (!skip) {
                const EvalError code = append(list->left.get());
                if (code != kNoError) return code;
            }
            skip = false;
            ExprNode* rest = list->right.get();
            if (rest && rest->kind == kListNode) {
                list = rest;
                continue;
            }
            if (rest) {
                const EvalError code = append(rest);
                if (code != kNoError) return code;
            }
            break;
        }
    } else if (left && id != kFzeros) {
        EvalError code = append(left);
        if (code == kNoError && call.right) code = append(call.right.get());
        if (code != kNoError) return code;
    }
    const int given = count;
    if (id != kFzeros && !(id >= kSum && id <= kMax)) {
        for (int i = 0; i < kPaddingZeros; ++i) args[count++] = 0.0;
    }

    errno = 0;
    EvalError code = kNoError;
    if (CallMathFunction(id, args, given, call)) {
        // computed
    } else if (CallIntegerFunction(id, args, count, call, code)) {
        // computed
    } else if (id >= kFirstSpecial && id <= kLastSpecial) {
        code = CallSpecialFunction(id, args, count, call);
    } else if (id >= kFirstAnnuity && id <= kLastAnnuity) {
        code = CallAnnuityFunction(id, args, count, call);
    } else if (solver) {
        code = CallSolverOperator(id, args, count, call);
    } else if (id == kConvert) {
        code = CallConvert(args, call);
    } else if (id == kUserFunction) {
        code = CallUserFunction(args, given, call);
    } else if (id >= kAdd && id <= kPercent) {
        call.value = ApplyOperator(id, args[0], args[1]);
    } else {
        code = kBadArgument;
    }
    if (code != kNoError) return code;
    return CheckResult(call.value);
}

}  // namespace

EvalError EvaluateNode(ExprNode& node) {
    node.error = kNoError;
    int& err = errno;
    err = 0;
    switch (node.kind) {
        case kSlotNode: {
            const std::vector<ValueSlot>* slots = node.valueSlots;
            if (!slots || node.index < 0 || static_cast<std::size_t>(node.index) >= slots->size()) {
                node.error = kBadArgument;
            } else {
                node.value = (*slots)[static_cast<std::size_t>(node.index)].value;
            }
            break;
        }
        case kCallNode:
            if (node.evaluations < 2 && ++node.evaluations == 2) node.program = CompiledProgram::Compile(node);
            if (node.program)
                node.error = node.program->Run(node.value, err);
            else if (node.functionId <= kPercent && node.left && node.left->kind != kListNode)
                node.error = EvaluateOperators(node);
            else
                node.error = EvaluateFunction(node);
            break;
        default:  // numbers, lists and strings keep their value
            break;
    }
    return node.error;
}

ExprNode* SolverFunctionArgument(ExprNode& call) {
    ExprNode* left = call.left.get();
    if (left && left->kind == kListNode) return left->left.get();
    return left;
}

EvalError SampleFunction(ExprNode& f, double x, double& value) {
    if (f.valueSlots && !f.valueSlots->empty()) (*f.valueSlots)[0].value = x;
    const EvalError code = EvaluateNode(f);
    value = f.value;
    return code;
}

}  // namespace quorvix
