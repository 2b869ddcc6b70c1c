#pragma once
// Entry points for the groups of built-in functions that are computed outside
// the core evaluator: special functions (ids 55-88), annuity functions
// (ids 46-54) and the solver operators (ids 95-99).
//
// How a group is called:
//  - `args` holds the gathered argument values in order, followed by five
//    padding zeros (so a left-out optional argument reads as 0); `count`
//    includes the zeros. For the solver operators the first argument (the
//    function of t) is NOT in `args`; FZEROS (98) gets exactly the numbers
//    given, without padding.
//  - `call` is the call node. Set call.value; a text-valued result also sets
//    call.resultText and call.hasText = true.
//  - Return kNoError after setting the value: the evaluator then applies its
//    common result check (a non-finite value or errno EDOM -> 11, a range
//    failure -> 13). Return a non-zero EvalError to fail the call directly;
//    the common check is then skipped.
//  - Solvers: SolverFunctionArgument(call) is the unevaluated, already parsed
//    first argument. SampleFunction writes x into slot 0 (t) of the call's
//    owner and re-evaluates that subtree with EvaluateNode - no re-parsing.
//    Poll EvaluationCancelRequested() (engine/Cancellation.h) in long loops
//    and return kEvaluationCancelled when it is set.

#include "engine/EvalError.h"
#include "engine/ExprNode.h"

namespace quorvix {

// Evaluates a parsed subtree; the result is left in node.value.
EvalError EvaluateNode(ExprNode& node);

EvalError CallSpecialFunction(int functionId, const double* args, int count, ExprNode& call);
EvalError CallAnnuityFunction(int functionId, const double* args, int count, ExprNode& call);
EvalError CallSolverOperator(int functionId, const double* args, int count, ExprNode& call);

// The first argument of a solver call (never null for a parsed solver call).
ExprNode* SolverFunctionArgument(ExprNode& call);

// t := x in the owner's slot 0, evaluate f, report its value and error.
EvalError SampleFunction(ExprNode& f, double x, double& value);

}  // namespace quorvix
