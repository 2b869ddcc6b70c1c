#include "engine/CompiledProgram.h"

#include <cerrno>
#include <cmath>

#include "engine/BuiltinFunctions.h"
#include "engine/BuiltinNames.h"
#include "engine/Evaluator.h"
#include "engine/ExprNode.h"
#include "engine/Power.h"
#include "engine/ResultCheck.h"

namespace quorvix {

namespace {

// The program works on an accumulator (the top of the stack) and a stack
// below it. Binary operators come in five forms: the left operand on the
// stack, or the right operand a constant or a slot, or the left operand a
// constant or a slot (the right one then in the accumulator). Small integer
// powers have their own instructions.
enum Op : int {
    kPushConstant,
    kPushSlot,
    kFunction1,
    kFunction2,
    kSquare,
    kCube,
    kFourth,
    kAddStack, kSubtractStack, kMultiplyStack, kDivideStack, kPowerStack, kPercentStack,
    kAddConstant, kSubtractConstant, kMultiplyConstant, kDivideConstant, kPowerConstant,
    kPercentConstant,
    kAddSlot, kSubtractSlot, kMultiplySlot, kDivideSlot, kPowerSlot, kPercentSlot,
    kAddConstantLeft, kSubtractConstantLeft, kMultiplyConstantLeft, kDivideConstantLeft,
    kPowerConstantLeft, kPercentConstantLeft,
    kAddSlotLeft, kSubtractSlotLeft, kMultiplySlotLeft, kDivideSlotLeft, kPowerSlotLeft,
    kPercentSlotLeft,
    // Fused pairs (see Push): a slot pushed and raised to a small power, and
    // a constant pushed and combined with a slot, as in 7*t.
    kPushSlotSquare, kPushSlotCube, kPushSlotFourth,
    kPushConstantAddSlot, kPushConstantSubtractSlot, kPushConstantMultiplySlot,
    kPushConstantDivideSlot, kPushConstantPowerSlot, kPushConstantPercentSlot,
};

// Nesting beyond this is left to the tree walk.
constexpr int kMaxCompileDepth = 2000;

bool IsPlainFunction1(int id) {
    return (id >= kExp && id <= kAbs) || id == kSqrt || id == kSqr || id == kCeil ||
           id == kFloor || (id >= kDegToRad && id <= kArcCoth);
}

bool IsPlainFunction2(int id) { return id == kLogN || id == kMod; }

}  // namespace

std::unique_ptr<CompiledProgram> CompiledProgram::Compile(const ExprNode& root) {
    auto program = std::unique_ptr<CompiledProgram>(new CompiledProgram());
    program->slots_ = root.valueSlots;
    program->owner_ = root.owner;
    if (!root.owner || !program->Emit(root, 0)) return nullptr;
    // Every push spills the accumulator, the first one included.
    program->stack_.assign(static_cast<std::size_t>(program->maxStackDepth_) + 2, 0.0);
    return program;
}

void CompiledProgram::Push(int op, int argument, double value, int stackChange) {
    // Two instructions that always run together become one: the pair does
    // the same operations in the same order, with one dispatch less.
    if (!code_.empty()) {
        Instruction& last = code_.back();
        if (last.op == kPushSlot && (op == kSquare || op == kCube || op == kFourth)) {
            last.op = kPushSlotSquare + (op - kSquare);
            return;
        }
        if (last.op == kPushConstant && op >= kAddSlot && op <= kPercentSlot) {
            last.op = kPushConstantAddSlot + (op - kAddSlot);
            last.argument = argument;
            return;
        }
    }
    code_.push_back(Instruction{op, argument, value});
    stackDepth_ += stackChange;
    if (stackDepth_ > maxStackDepth_) maxStackDepth_ = stackDepth_;
}

bool CompiledProgram::Emit(const ExprNode& node, int depth) {
    if (depth > kMaxCompileDepth || !node.parsed) return false;
    switch (node.kind) {
        case kNumberNode:
            Push(kPushConstant, 0, node.value, 1);
            return true;
        case kSlotNode:
            if (node.index < 0 || node.valueSlots != slots_) return false;
            Push(kPushSlot, node.index, 0.0, 1);
            return true;
        case kCallNode: break;
        default: return false;
    }
    const int id = node.functionId;
    const ExprNode* left = node.left.get();
    if (!left) return false;
    if (id >= kAdd && id <= kPercent) {
        if (left->kind == kListNode) return false;
        return EmitChainOrOperator(node, depth);
    }
    if (IsPlainFunction1(id) && left->kind != kListNode && !node.right) {
        if (!Emit(*left, depth + 1)) return false;
        Push(kFunction1, id, 0.0, 0);
        return true;
    }
    if (IsPlainFunction2(id) && left->kind == kListNode && left->left && left->right &&
        left->right->kind != kListNode) {
        if (!Emit(*left->left, depth + 1) || !Emit(*left->right, depth + 1)) return false;
        Push(kFunction2, id, 0.0, -1);
        return true;
    }
    return false;
}

// A chain of same-level operators hangs off the left; it is compiled by a
// loop, bottom first, as the tree walk evaluates it.
bool CompiledProgram::EmitChainOrOperator(const ExprNode& top, int depth) {
    const ExprNode* n = &top;
    while (n->left && n->left->chainParent == n) n = n->left.get();
    if (!n->left) return false;
    auto isConstant = [](const ExprNode* x) { return x && x->kind == kNumberNode && x->parsed; };
    auto isSlot = [this](const ExprNode* x) {
        return x && x->kind == kSlotNode && x->parsed && x->index >= 0 && x->valueSlots == slots_;
    };
    const ExprNode* first = n->left.get();
    const ExprNode* firstRight = n->right.get();
    // A constant or slot on the left of a computed right operand: compute
    // the right operand first (neither order can fail differently, since a
    // constant or a slot read never fails before it).
    const bool leftFolded = (isConstant(first) || isSlot(first)) && firstRight &&
                            !isConstant(firstRight) && !isSlot(firstRight);
    if (!leftFolded && !Emit(*first, depth + 1)) return false;
    for (;;) {
        const int op = n->functionId - kAdd;  // 0..5: + - * / ^ %
        const ExprNode* right = n->right.get();
        if (leftFolded && n->left.get() == first) {
            if (!Emit(*right, depth + 1)) return false;
            if (isConstant(first)) Push(kAddConstantLeft + op, 0, first->value, 0);
            else Push(kAddSlotLeft + op, first->index, 0.0, 0);
        } else if (!right) {
            Push(kAddConstant + op, 0, 0.0, 0);  // a missing second operand reads 0
        } else if (isConstant(right)) {
            const double c = right->value;
            if (op == kPower - kAdd && (c == 2.0 || c == 3.0 || c == 4.0))
                Push(c == 2.0 ? kSquare : c == 3.0 ? kCube : kFourth, 0, 0.0, 0);
            else
                Push(kAddConstant + op, 0, c, 0);
        } else if (isSlot(right)) {
            Push(kAddSlot + op, right->index, 0.0, 0);
        } else {
            if (!Emit(*right, depth + 1)) return false;
            Push(kAddStack + op, 0, 0.0, -1);
        }
        if (n == &top) return true;
        n = n->chainParent;
    }
}

namespace {

inline double Arithmetic(int op, double a, double b) {
    switch (op) {
        case 0: return a + b;
        case 1: return a - b;
        case 2: return a * b;
        case 3: return a / b;
        default: return a * 0.01;  // postfix %
    }
}

}  // namespace

// Applies operator op (0..5) and the result check of a call.
#define QUORVIX_BINARY(op, a, b)                                        \
    do {                                                                \
        if ((op) == kPower - kAdd) {                                    \
            err = 0;                                                    \
            acc = Power((a), (b));                                      \
            if (err != 0) {                                             \
                const EvalError code = CheckResult(acc);                \
                if (code != kNoError) return code;                      \
            }                                                           \
        } else {                                                        \
            acc = Arithmetic((op), (a), (b)); /* never touches errno */ \
        }                                                               \
    } while (0)

// Built twice, and picked at load time: with fused multiply-add instructions
// where the processor has them (the powers above then need no library call).
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
__attribute__((target_clones("fma", "default")))
#endif
EvalError CompiledProgram::Run(double& result) {
    double* sp = stack_.data();
    const std::vector<ValueSlot>& slots = *slots_;
    const std::size_t slotCount = slots.size();
    int& err = errno;
    double acc = 0.0;
    for (const Instruction& in : code_) {
        const int op = in.op;
        switch (op) {
            case kPushConstant:
                *sp++ = acc;
                acc = in.value;
                continue;
            case kPushSlot:
                if (static_cast<std::size_t>(in.argument) >= slotCount) return kBadArgument;
                *sp++ = acc;
                acc = slots[static_cast<std::size_t>(in.argument)].value;
                continue;
            case kFunction1:
            case kFunction2: {
                double args[2] = {acc, 0.0};
                if (op == kFunction2) {
                    args[1] = acc;
                    args[0] = *--sp;
                }
                err = 0;
                ComputeMathFunction(in.argument, args, op == kFunction2 ? 2 : 1, owner_->angleUnit(), acc);
                if (err != 0) {
                    const EvalError code = CheckResult(acc);
                    if (code != kNoError) return code;
                }
                break;
            }
            case kPushSlotSquare: case kPushSlotCube: case kPushSlotFourth: {
                if (static_cast<std::size_t>(in.argument) >= slotCount) return kBadArgument;
                *sp++ = acc;
                const double x = slots[static_cast<std::size_t>(in.argument)].value;
                acc = op == kPushSlotSquare ? Square(x) : op == kPushSlotCube ? Cube(x) : Fourth(x);
                break;
            }
            case kPushConstantAddSlot: case kPushConstantSubtractSlot:
            case kPushConstantMultiplySlot: case kPushConstantDivideSlot:
            case kPushConstantPowerSlot: case kPushConstantPercentSlot: {
                if (static_cast<std::size_t>(in.argument) >= slotCount) return kBadArgument;
                *sp++ = acc;
                const double b = slots[static_cast<std::size_t>(in.argument)].value;
                QUORVIX_BINARY(op - kPushConstantAddSlot, in.value, b);
                break;
            }
            case kSquare: acc = Square(acc); break;
            case kCube: acc = Cube(acc); break;
            case kFourth: acc = Fourth(acc); break;
            case kAddStack: case kSubtractStack: case kMultiplyStack: case kDivideStack:
            case kPowerStack: case kPercentStack: {
                const double a = *--sp;
                QUORVIX_BINARY(op - kAddStack, a, acc);
                break;
            }
            case kAddConstant: case kSubtractConstant: case kMultiplyConstant:
            case kDivideConstant: case kPowerConstant: case kPercentConstant:
                QUORVIX_BINARY(op - kAddConstant, acc, in.value);
                break;
            case kAddSlot: case kSubtractSlot: case kMultiplySlot: case kDivideSlot:
            case kPowerSlot: case kPercentSlot: {
                if (static_cast<std::size_t>(in.argument) >= slotCount) return kBadArgument;
                const double b = slots[static_cast<std::size_t>(in.argument)].value;
                QUORVIX_BINARY(op - kAddSlot, acc, b);
                break;
            }
            case kAddConstantLeft: case kSubtractConstantLeft: case kMultiplyConstantLeft:
            case kDivideConstantLeft: case kPowerConstantLeft: case kPercentConstantLeft:
                QUORVIX_BINARY(op - kAddConstantLeft, in.value, acc);
                break;
            case kAddSlotLeft: case kSubtractSlotLeft: case kMultiplySlotLeft:
            case kDivideSlotLeft: case kPowerSlotLeft: case kPercentSlotLeft: {
                if (static_cast<std::size_t>(in.argument) >= slotCount) return kBadArgument;
                const double a = slots[static_cast<std::size_t>(in.argument)].value;
                QUORVIX_BINARY(op - kAddSlotLeft, a, acc);
                break;
            }
        }
        if (!std::isfinite(acc)) {
            err = EDOM;
            return kBadArgument;
        }
    }
    result = acc;
    return kNoError;
}

#undef QUORVIX_BINARY

}  // namespace quorvix
