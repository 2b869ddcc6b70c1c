#include "engine/CompiledProgram.h"

#include <cerrno>
#include <cmath>

#include "engine/BuiltinNames.h"
#include "engine/Evaluator.h"
#include "engine/ExprNode.h"
#include "engine/Power.h"
#include "engine/ResultCheck.h"

namespace quorvix {

namespace {

// The program works on an accumulator (the top of the stack) and a stack
// below it. Binary operators come in five families by where their operands
// are; within a family the six operators follow the order of their function
// ids (+ - * / ^ %), so the compiler picks one as family + (id - kAdd).
enum Op : std::uint8_t {
    // The end of the program: the accumulator is the result.
    kReturn,
    // Loads: spill the accumulator onto the stack, load a constant or a slot.
    kPushConstant, kPushSlot,
    // A plain function of the accumulator, or of the stack top and the
    // accumulator; the square root inline.
    kFunction1, kFunction2, kSquareRoot,
    // The accumulator raised to 2, 3 or 4 without pow.
    kSquare, kCube, kFourth,
    // Stack top (popped) op accumulator.
    kAddStack, kSubtractStack, kMultiplyStack, kDivideStack, kPowerStack, kPercentStack,
    // Accumulator op constant.
    kAddConstant, kSubtractConstant, kMultiplyConstant, kDivideConstant, kPowerConstant,
    kPercentConstant,
    // Accumulator op slot.
    kAddSlot, kSubtractSlot, kMultiplySlot, kDivideSlot, kPowerSlot, kPercentSlot,
    // Constant op accumulator (the left operand folded in, as in 2*SIN(t)).
    kAddConstantLeft, kSubtractConstantLeft, kMultiplyConstantLeft, kDivideConstantLeft,
    kPowerConstantLeft, kPercentConstantLeft,
    // Slot op accumulator.
    kAddSlotLeft, kSubtractSlotLeft, kMultiplySlotLeft, kDivideSlotLeft, kPowerSlotLeft,
    kPercentSlotLeft,
    // Fused pairs (see Push): a slot loaded and raised to 2, 3 or 4 ...
    kPushSlotSquare, kPushSlotCube, kPushSlotFourth,
    // ... a constant loaded and combined with a slot, as in 7*t ...
    kPushConstantAddSlot, kPushConstantSubtractSlot, kPushConstantMultiplySlot,
    kPushConstantDivideSlot, kPushConstantPowerSlot, kPushConstantPercentSlot,
    // ... a slot loaded and combined with a constant, as in t/5 ...
    kPushSlotAddConstant, kPushSlotSubtractConstant, kPushSlotMultiplyConstant,
    kPushSlotDivideConstant, kPushSlotPowerConstant, kPushSlotPercentConstant,
    // ... and a slot loaded and passed to a one-argument function, as in SIN(t).
    kPushSlotFunction1,
};

// The compiler computes an operator's instruction as family + (id - kAdd)
// and a fused pair as its family + the offset within the unfused one.
constexpr bool IsOperatorFamily(Op add, Op subtract, Op multiply, Op divide, Op power, Op percent) {
    return subtract == add + (kSubtract - kAdd) && multiply == add + (kMultiply - kAdd) &&
           divide == add + (kDivide - kAdd) && power == add + (kPower - kAdd) &&
           percent == add + (kPercent - kAdd);
}
static_assert(IsOperatorFamily(kAddStack, kSubtractStack, kMultiplyStack, kDivideStack,
                               kPowerStack, kPercentStack));
static_assert(IsOperatorFamily(kAddConstant, kSubtractConstant, kMultiplyConstant,
                               kDivideConstant, kPowerConstant, kPercentConstant));
static_assert(IsOperatorFamily(kAddSlot, kSubtractSlot, kMultiplySlot, kDivideSlot, kPowerSlot,
                               kPercentSlot));
static_assert(IsOperatorFamily(kAddConstantLeft, kSubtractConstantLeft, kMultiplyConstantLeft,
                               kDivideConstantLeft, kPowerConstantLeft, kPercentConstantLeft));
static_assert(IsOperatorFamily(kAddSlotLeft, kSubtractSlotLeft, kMultiplySlotLeft,
                               kDivideSlotLeft, kPowerSlotLeft, kPercentSlotLeft));
static_assert(IsOperatorFamily(kPushConstantAddSlot, kPushConstantSubtractSlot,
                               kPushConstantMultiplySlot, kPushConstantDivideSlot,
                               kPushConstantPowerSlot, kPushConstantPercentSlot));
static_assert(IsOperatorFamily(kPushSlotAddConstant, kPushSlotSubtractConstant,
                               kPushSlotMultiplyConstant, kPushSlotDivideConstant,
                               kPushSlotPowerConstant, kPushSlotPercentConstant));
static_assert(kCube == kSquare + 1 && kFourth == kSquare + 2 && kPushSlotCube == kPushSlotSquare + 1 &&
              kPushSlotFourth == kPushSlotSquare + 2);

// Nesting beyond this is left to the tree walk.
constexpr int kMaxCompileDepth = 2000;

bool IsConstant(const ExprNode* x) { return x && x->kind == kNumberNode && x->parsed; }

// a op b for the operators that cannot fail or set errno (% ignores b).
template <int Operator>
inline double Arithmetic(double a, double b) {
    static_assert(Operator >= kAdd && Operator <= kPercent && Operator != kPower);
    if constexpr (Operator == kAdd) return a + b;
    if constexpr (Operator == kSubtract) return a - b;
    if constexpr (Operator == kMultiply) return a * b;
    if constexpr (Operator == kDivide) return a / b;
    if constexpr (Operator == kPercent) return a * 0.01;
}

// result = a ^ b with the result check of a call: of the operators only
// the power can report a failure through errno.
inline EvalError CheckedPower(double a, double b, int& err, double& result) {
    err = 0;
    result = Power(a, b);
    return err != 0 ? CheckResult(result) : kNoError;
}

// The SQRT function without a call through a pointer: std::sqrt is one
// instruction, and calls the library only to report a negative argument.
inline EvalError CheckedSquareRoot(double a, int& err, double& result) {
    err = 0;
    result = std::sqrt(a);
    return err != 0 ? CheckResult(result) : kNoError;
}

// result = f(arguments) with the result check of a call.
inline EvalError CheckedCall(UnaryFunction f, double a, int& err, double& result) {
    err = 0;
    result = f(a);
    return err != 0 ? CheckResult(result) : kNoError;
}

inline EvalError CheckedCall(BinaryFunction f, double a, double b, int& err, double& result) {
    err = 0;
    result = f(a, b);
    return err != 0 ? CheckResult(result) : kNoError;
}

}  // namespace

std::unique_ptr<CompiledProgram> CompiledProgram::Compile(const ExprNode& root) {
    auto program = std::unique_ptr<CompiledProgram>(new CompiledProgram());
    program->slots_ = root.valueSlots;
    program->owner_ = root.owner;
    if (!root.owner) return nullptr;
    program->unit_ = CanonicalUnit(root.owner->angleUnit());
    if (!program->Emit(root, 0)) return nullptr;
    program->code_.push_back(Instruction{kReturn, 0, 0, 0.0, {}});
    double ignored = 0.0;
    program->Execute(program->code_.data(), ignored, errno, kBindHandlers);
    // Every push spills the accumulator, the first one included.
    program->stack_.assign(static_cast<std::size_t>(program->maxStackDepth_) + 2, 0.0);
    return program;
}

bool CompiledProgram::IsSlot(const ExprNode* x) const {
    return x && x->kind == kSlotNode && x->parsed && x->index >= 0 && x->valueSlots == slots_;
}

void CompiledProgram::Push(Instruction in, int stackChange) {
    // Two instructions that always run together become one: the pair does
    // the same operations in the same order, with one dispatch less.
    if (!code_.empty()) {
        Instruction& last = code_.back();
        const int op = in.op;
        if (last.op == kPushSlot && op >= kSquare && op <= kFourth) {
            last.op = static_cast<std::uint8_t>(kPushSlotSquare + (op - kSquare));
            return;
        }
        if (last.op == kPushSlot && op >= kAddConstant && op <= kPercentConstant) {
            last.op = static_cast<std::uint8_t>(kPushSlotAddConstant + (op - kAddConstant));
            last.value = in.value;
            return;
        }
        if (last.op == kPushSlot && op == kFunction1) {
            last.op = kPushSlotFunction1;
            last.function = in.function;
            last.unary = in.unary;
            return;
        }
        if (last.op == kPushConstant && op >= kAddSlot && op <= kPercentSlot) {
            last.op = static_cast<std::uint8_t>(kPushConstantAddSlot + (op - kAddSlot));
            last.argument = in.argument;
            if (in.argument > maxSlot_) maxSlot_ = in.argument;
            return;
        }
    }
    if (ReadsSlot(in.op) && in.argument > maxSlot_) maxSlot_ = in.argument;
    code_.push_back(in);
    stackDepth_ += stackChange;
    if (stackDepth_ > maxStackDepth_) maxStackDepth_ = stackDepth_;
}

bool CompiledProgram::Emit(const ExprNode& node, int depth) {
    if (depth > kMaxCompileDepth || !node.parsed) return false;
    switch (node.kind) {
        case kNumberNode:
            Push({kPushConstant, 0, 0, node.value, {}}, 1);
            return true;
        case kSlotNode:
            if (node.index < 0 || node.valueSlots != slots_) return false;
            Push({kPushSlot, 0, node.index, 0.0, {}}, 1);
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
    if (const UnaryFunction f = PlainUnaryFunction(id, unit_); f && left->kind != kListNode && !node.right) {
        if (!Emit(*left, depth + 1)) return false;
        if (id == kSqrt) {
            Push({kSquareRoot, 0, 0, 0.0, {}}, 0);
            return true;
        }
        Instruction in{kFunction1, static_cast<std::int16_t>(id), 0, 0.0, {f}};
        callsUnary_ = true;
        Push(in, 0);
        return true;
    }
    if (const BinaryFunction f = PlainBinaryFunction(id);
        f && left->kind == kListNode && left->left && left->right && left->right->kind != kListNode) {
        if (!Emit(*left->left, depth + 1) || !Emit(*left->right, depth + 1)) return false;
        Instruction in{kFunction2, static_cast<std::int16_t>(id), 0, 0.0, {}};
        in.binary = f;
        Push(in, -1);
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
    const ExprNode* first = n->left.get();
    const ExprNode* firstRight = n->right.get();
    // A constant or slot on the left of a computed right operand: compute
    // the right operand first (neither order can fail differently, since a
    // constant or a slot read never fails before it).
    const bool leftFolded = (IsConstant(first) || IsSlot(first)) && firstRight &&
                            !IsConstant(firstRight) && !IsSlot(firstRight);
    if (!leftFolded && !Emit(*first, depth + 1)) return false;
    for (;;) {
        const int op = n->functionId - kAdd;  // 0..5: + - * / ^ %
        const ExprNode* right = n->right.get();
        if (leftFolded && n->left.get() == first) {
            if (!Emit(*right, depth + 1)) return false;
            if (IsConstant(first)) Push({Family(kAddConstantLeft, op), 0, 0, first->value, {}}, 0);
            else Push({Family(kAddSlotLeft, op), 0, first->index, 0.0, {}}, 0);
        } else if (!right) {
            Push({Family(kAddConstant, op), 0, 0, 0.0, {}}, 0);  // a missing second operand reads 0
        } else if (IsConstant(right)) {
            const double c = right->value;
            if (op == kPower - kAdd && (c == 2.0 || c == 3.0 || c == 4.0))
                Push({c == 2.0 ? kSquare : c == 3.0 ? kCube : kFourth, 0, 0, 0.0, {}}, 0);
            else
                Push({Family(kAddConstant, op), 0, 0, c, {}}, 0);
        } else if (IsSlot(right)) {
            Push({Family(kAddSlot, op), 0, right->index, 0.0, {}}, 0);
        } else {
            if (!Emit(*right, depth + 1)) return false;
            Push({Family(kAddStack, op), 0, 0, 0.0, {}}, -1);
        }
        if (n == &top) return true;
        n = n->chainParent;
    }
}

std::uint8_t CompiledProgram::Family(int add, int operatorOffset) {
    return static_cast<std::uint8_t>(add + operatorOffset);
}

// The functions were looked up for one angle unit; a program run after the
// unit changed looks them up again.
void CompiledProgram::BindAngleUnit(AngleUnit unit) {
    unit_ = unit;
    for (Instruction& in : code_) {
        if (in.op == kFunction1 || in.op == kPushSlotFunction1)
            in.unary = PlainUnaryFunction(in.function, unit);
    }
}

// The angle unit changed since the functions were looked up, or slots were
// taken away since compiling.
EvalError CompiledProgram::RunAfterAChange(double& result, int& err) {
    if (callsUnary_) {
        const AngleUnit unit = CanonicalUnit(owner_->angleUnit());
        if (unit != unit_) BindAngleUnit(unit);
    }
    const std::size_t slotCount = slots_ ? slots_->size() : 0;
    if (maxSlot_ < 0 || static_cast<std::size_t>(maxSlot_) < slotCount)
        return Execute(code_.data(), result, err, kRun);
    // The slots were reduced after compiling. As in the tree walk, reading
    // a missing slot fails, unless something before it failed first: run
    // the instructions before the first such read.
    std::vector<Instruction> head;
    for (const Instruction& in : code_) {
        if (ReadsSlot(in.op) && static_cast<std::size_t>(in.argument) >= slotCount) break;
        head.push_back(in);
    }
    head.push_back(code_.back());  // kReturn
    double ignored = 0.0;
    const EvalError code = Execute(head.data(), ignored, err, kRun);
    return code != kNoError ? code : kBadArgument;
}

bool CompiledProgram::ReadsSlot(int op) {
    return op == kPushSlot || (op >= kAddSlot && op <= kPercentSlot) ||
           (op >= kAddSlotLeft && op <= kPushSlotFunction1);
}

// Runs the program from `code` to its kReturn; every slot it reads exists.
// (With kBindHandlers it only stores each instruction's handler address.)
// Each handler ends with its own jump to the handler of the next
// instruction, whose address the instruction holds (threaded dispatch):
// the processor predicts these jumps far better than the one shared jump
// of a switch. Every operation is followed by the rest of the result check
// of a call, the finite test (an infinity can vanish later, as in
// 1/(1/0)); the calls and the power check errno themselves.
// Built twice, and picked at load time: with fused multiply-add instructions
// where the processor has them (the powers then need no library call).
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
__attribute__((target_clones("fma", "default")))
#endif
EvalError CompiledProgram::Execute(Instruction* code, double& result, int& err, ExecuteMode mode) {
    if (mode == kBindHandlers) {
        // Each instruction learns the address of its handler below.
        for (Instruction* p = code;; ++p) {
            switch (p->op) {
                case kReturn: p->handler = &&end_of_program; break;
                case kPushConstant: p->handler = &&push_constant; break;
                case kPushSlot: p->handler = &&push_slot; break;
                case kFunction1: p->handler = &&function1; break;
                case kFunction2: p->handler = &&function2; break;
                case kSquareRoot: p->handler = &&square_root; break;
                case kSquare: p->handler = &&square; break;
                case kCube: p->handler = &&cube; break;
                case kFourth: p->handler = &&fourth; break;
                case kAddStack: p->handler = &&add_stack; break;
                case kSubtractStack: p->handler = &&subtract_stack; break;
                case kMultiplyStack: p->handler = &&multiply_stack; break;
                case kDivideStack: p->handler = &&divide_stack; break;
                case kPowerStack: p->handler = &&power_stack; break;
                case kPercentStack: p->handler = &&percent_stack; break;
                case kAddConstant: p->handler = &&add_constant; break;
                case kSubtractConstant: p->handler = &&subtract_constant; break;
                case kMultiplyConstant: p->handler = &&multiply_constant; break;
                case kDivideConstant: p->handler = &&divide_constant; break;
                case kPowerConstant: p->handler = &&power_constant; break;
                case kPercentConstant: p->handler = &&percent_constant; break;
                case kAddSlot: p->handler = &&add_slot; break;
                case kSubtractSlot: p->handler = &&subtract_slot; break;
                case kMultiplySlot: p->handler = &&multiply_slot; break;
                case kDivideSlot: p->handler = &&divide_slot; break;
                case kPowerSlot: p->handler = &&power_slot; break;
                case kPercentSlot: p->handler = &&percent_slot; break;
                case kAddConstantLeft: p->handler = &&add_constant_left; break;
                case kSubtractConstantLeft: p->handler = &&subtract_constant_left; break;
                case kMultiplyConstantLeft: p->handler = &&multiply_constant_left; break;
                case kDivideConstantLeft: p->handler = &&divide_constant_left; break;
                case kPowerConstantLeft: p->handler = &&power_constant_left; break;
                case kPercentConstantLeft: p->handler = &&percent_constant_left; break;
                case kAddSlotLeft: p->handler = &&add_slot_left; break;
                case kSubtractSlotLeft: p->handler = &&subtract_slot_left; break;
                case kMultiplySlotLeft: p->handler = &&multiply_slot_left; break;
                case kDivideSlotLeft: p->handler = &&divide_slot_left; break;
                case kPowerSlotLeft: p->handler = &&power_slot_left; break;
                case kPercentSlotLeft: p->handler = &&percent_slot_left; break;
                case kPushSlotSquare: p->handler = &&push_slot_square; break;
                case kPushSlotCube: p->handler = &&push_slot_cube; break;
                case kPushSlotFourth: p->handler = &&push_slot_fourth; break;
                case kPushConstantAddSlot: p->handler = &&push_constant_add_slot; break;
                case kPushConstantSubtractSlot: p->handler = &&push_constant_subtract_slot; break;
                case kPushConstantMultiplySlot: p->handler = &&push_constant_multiply_slot; break;
                case kPushConstantDivideSlot: p->handler = &&push_constant_divide_slot; break;
                case kPushConstantPowerSlot: p->handler = &&push_constant_power_slot; break;
                case kPushConstantPercentSlot: p->handler = &&push_constant_percent_slot; break;
                case kPushSlotAddConstant: p->handler = &&push_slot_add_constant; break;
                case kPushSlotSubtractConstant: p->handler = &&push_slot_subtract_constant; break;
                case kPushSlotMultiplyConstant: p->handler = &&push_slot_multiply_constant; break;
                case kPushSlotDivideConstant: p->handler = &&push_slot_divide_constant; break;
                case kPushSlotPowerConstant: p->handler = &&push_slot_power_constant; break;
                case kPushSlotPercentConstant: p->handler = &&push_slot_percent_constant; break;
                case kPushSlotFunction1: p->handler = &&push_slot_function1; break;
            }
            if (p->op == kReturn) return kNoError;
        }
    }

    const Instruction* in = code;
    double* sp = stack_.data();
    const ValueSlot* slots = slots_ ? slots_->data() : nullptr;
    double acc = 0.0;
    goto *in->handler;

    // The end of the program.
end_of_program:
    result = acc;
    return kNoError;

    // Loads: spill the accumulator, load a constant or a slot (not calls:
    // no result check).
push_constant:
    *sp++ = acc;
    acc = in->value;
    goto *(++in)->handler;
push_slot:
    *sp++ = acc;
    acc = slots[in->argument].value;
    goto *(++in)->handler;

    // Plain functions.
function1:
    if (const EvalError e = CheckedCall(in->unary, acc, err, acc)) return e;
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
function2:
    --sp;
    if (const EvalError e = CheckedCall(in->binary, *sp, acc, err, acc)) return e;
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
square_root:
    if (const EvalError e = CheckedSquareRoot(acc, err, acc)) return e;
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;

    // Small powers of the accumulator.
square:
    acc = Square(acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
cube:
    acc = Cube(acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
fourth:
    acc = Fourth(acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;

    // Stack top (popped) op accumulator.
add_stack:
    --sp;
    acc = Arithmetic<kAdd>(*sp, acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
subtract_stack:
    --sp;
    acc = Arithmetic<kSubtract>(*sp, acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
multiply_stack:
    --sp;
    acc = Arithmetic<kMultiply>(*sp, acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
divide_stack:
    --sp;
    acc = Arithmetic<kDivide>(*sp, acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
power_stack:
    --sp;
    if (const EvalError e = CheckedPower(*sp, acc, err, acc)) return e;
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
percent_stack:
    --sp;
    acc = Arithmetic<kPercent>(*sp, acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;

    // Accumulator op constant.
add_constant:
    acc = Arithmetic<kAdd>(acc, in->value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
subtract_constant:
    acc = Arithmetic<kSubtract>(acc, in->value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
multiply_constant:
    acc = Arithmetic<kMultiply>(acc, in->value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
divide_constant:
    acc = Arithmetic<kDivide>(acc, in->value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
power_constant:
    if (const EvalError e = CheckedPower(acc, in->value, err, acc)) return e;
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
percent_constant:
    acc = Arithmetic<kPercent>(acc, in->value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;

    // Accumulator op slot.
add_slot:
    acc = Arithmetic<kAdd>(acc, slots[in->argument].value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
subtract_slot:
    acc = Arithmetic<kSubtract>(acc, slots[in->argument].value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
multiply_slot:
    acc = Arithmetic<kMultiply>(acc, slots[in->argument].value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
divide_slot:
    acc = Arithmetic<kDivide>(acc, slots[in->argument].value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
power_slot:
    if (const EvalError e = CheckedPower(acc, slots[in->argument].value, err, acc)) return e;
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
percent_slot:
    acc = Arithmetic<kPercent>(acc, slots[in->argument].value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;

    // Constant op accumulator.
add_constant_left:
    acc = Arithmetic<kAdd>(in->value, acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
subtract_constant_left:
    acc = Arithmetic<kSubtract>(in->value, acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
multiply_constant_left:
    acc = Arithmetic<kMultiply>(in->value, acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
divide_constant_left:
    acc = Arithmetic<kDivide>(in->value, acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
power_constant_left:
    if (const EvalError e = CheckedPower(in->value, acc, err, acc)) return e;
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
percent_constant_left:
    acc = Arithmetic<kPercent>(in->value, acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;

    // Slot op accumulator.
add_slot_left:
    acc = Arithmetic<kAdd>(slots[in->argument].value, acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
subtract_slot_left:
    acc = Arithmetic<kSubtract>(slots[in->argument].value, acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
multiply_slot_left:
    acc = Arithmetic<kMultiply>(slots[in->argument].value, acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
divide_slot_left:
    acc = Arithmetic<kDivide>(slots[in->argument].value, acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
power_slot_left:
    if (const EvalError e = CheckedPower(slots[in->argument].value, acc, err, acc)) return e;
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
percent_slot_left:
    acc = Arithmetic<kPercent>(slots[in->argument].value, acc);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;

    // Fused pairs.
push_slot_square:
    *sp++ = acc;
    acc = Square(slots[in->argument].value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
push_slot_cube:
    *sp++ = acc;
    acc = Cube(slots[in->argument].value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
push_slot_fourth:
    *sp++ = acc;
    acc = Fourth(slots[in->argument].value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
push_constant_add_slot:
    *sp++ = acc;
    acc = Arithmetic<kAdd>(in->value, slots[in->argument].value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
push_constant_subtract_slot:
    *sp++ = acc;
    acc = Arithmetic<kSubtract>(in->value, slots[in->argument].value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
push_constant_multiply_slot:
    *sp++ = acc;
    acc = Arithmetic<kMultiply>(in->value, slots[in->argument].value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
push_constant_divide_slot:
    *sp++ = acc;
    acc = Arithmetic<kDivide>(in->value, slots[in->argument].value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
push_constant_power_slot:
    *sp++ = acc;
    if (const EvalError e = CheckedPower(in->value, slots[in->argument].value, err, acc)) return e;
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
push_constant_percent_slot:
    *sp++ = acc;
    acc = Arithmetic<kPercent>(in->value, slots[in->argument].value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
push_slot_add_constant:
    *sp++ = acc;
    acc = Arithmetic<kAdd>(slots[in->argument].value, in->value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
push_slot_subtract_constant:
    *sp++ = acc;
    acc = Arithmetic<kSubtract>(slots[in->argument].value, in->value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
push_slot_multiply_constant:
    *sp++ = acc;
    acc = Arithmetic<kMultiply>(slots[in->argument].value, in->value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
push_slot_divide_constant:
    *sp++ = acc;
    acc = Arithmetic<kDivide>(slots[in->argument].value, in->value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
push_slot_power_constant:
    *sp++ = acc;
    if (const EvalError e = CheckedPower(slots[in->argument].value, in->value, err, acc)) return e;
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
push_slot_percent_constant:
    *sp++ = acc;
    acc = Arithmetic<kPercent>(slots[in->argument].value, in->value);
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;
push_slot_function1:
    *sp++ = acc;
    if (const EvalError e = CheckedCall(in->unary, slots[in->argument].value, err, acc)) return e;
    if (!std::isfinite(acc)) goto not_finite;
    goto *(++in)->handler;

not_finite:
    err = EDOM;
    return kBadArgument;
}

}  // namespace quorvix
