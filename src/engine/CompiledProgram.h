#pragma once
// A parsed subtree flattened into a list of stack instructions, for trees
// that are evaluated many times (the function argument of a solver, a tree
// evaluated again with a new t). Only numbers, slots, the operators and the
// plain numeric functions are compiled; anything else keeps the tree walk.
// Running the program gives exactly what walking the tree gives: the same
// operations in the same order, the same result check after every call, the
// same first failure.

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/BuiltinFunctions.h"
#include "engine/EvalError.h"

namespace quorvix {

class ExprNode;
struct ValueSlot;
class Evaluator;

class CompiledProgram {
public:
    // Null when the subtree holds something that is not compiled.
    static std::unique_ptr<CompiledProgram> Compile(const ExprNode& root);

    // err is errno (cleared), passed in because finding it costs a call.
    // Inline: a solver runs a program for every sample.
    EvalError Run(double& result, int& err) {
        const bool unitHolds = !callsUnary_ || CanonicalUnit(owner_->angleUnit()) == unit_;
        const bool slotsThere =
            maxSlot_ < 0 || (slots_ && static_cast<std::size_t>(maxSlot_) < slots_->size());
        if (unitHolds && slotsThere) return Execute(code_.data(), result, err, kRun);
        return RunAfterAChange(result, err);
    }

private:
    struct Instruction {
        std::uint8_t op;        // an Op (CompiledProgram.cpp)
        std::int16_t function;  // the function id of a plain function call
        int argument;           // slot index
        double value;           // constant
        union {
            UnaryFunction unary;  // looked up for the angle unit in unit_
            BinaryFunction binary;
        };
        const void* handler = nullptr;  // where Execute runs this op
    };
    enum ExecuteMode { kRun, kBindHandlers };
    bool Emit(const ExprNode& node, int depth);
    bool EmitChainOrOperator(const ExprNode& node, int depth);
    bool IsSlot(const ExprNode* node) const;
    void Push(Instruction in, int stackChange);
    static std::uint8_t Family(int add, int operatorOffset);
    static bool ReadsSlot(int op);
    // Angle units other than 0 and 1 all mean gradians.
    static AngleUnit CanonicalUnit(AngleUnit unit) { return unit == 0 || unit == 1 ? unit : 2; }
    EvalError RunAfterAChange(double& result, int& err);
    void BindAngleUnit(AngleUnit unit);
    EvalError Execute(Instruction* code, double& result, int& err, ExecuteMode mode);

    std::vector<Instruction> code_;
    std::vector<double> stack_;
    int stackDepth_ = 0;
    int maxStackDepth_ = 0;
    int maxSlot_ = -1;  // the highest slot index read, -1 for none
    AngleUnit unit_ = 1;
    bool callsUnary_ = false;  // whether the angle unit can matter
    const std::vector<ValueSlot>* slots_ = nullptr;
    const Evaluator* owner_ = nullptr;
};

}  // namespace quorvix
