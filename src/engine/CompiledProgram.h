#pragma once
// A parsed subtree flattened into a list of stack instructions, for trees
// that are evaluated many times (the function argument of a solver, a tree
// evaluated again with a new t). Only numbers, slots, the operators and the
// plain numeric functions are compiled; anything else keeps the tree walk.
// Running the program gives exactly what walking the tree gives: the same
// operations in the same order, the same result check after every call, the
// same first failure.

#include <memory>
#include <vector>

#include "engine/EvalError.h"

namespace quorvix {

class ExprNode;
struct ValueSlot;
class Evaluator;

class CompiledProgram {
public:
    // Null when the subtree holds something that is not compiled.
    static std::unique_ptr<CompiledProgram> Compile(const ExprNode& root);

    EvalError Run(double& result);

private:
    struct Instruction {
        int op;         // an Op below, or a function id for kFunction1/2
        int argument;   // slot index or function id
        double value;   // constant
    };
    bool Emit(const ExprNode& node, int depth);
    bool EmitChainOrOperator(const ExprNode& node, int depth);
    void Push(int op, int argument, double value, int stackChange);

    std::vector<Instruction> code_;
    std::vector<double> stack_;
    int stackDepth_ = 0;
    int maxStackDepth_ = 0;
    const std::vector<ValueSlot>* slots_ = nullptr;
    const Evaluator* owner_ = nullptr;
};

}  // namespace quorvix
