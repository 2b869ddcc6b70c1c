#include "engine/FunctionDispatch.h"

namespace quorvix {

// The solver operators are not connected yet: every id fails rather than
// returning a value that was not computed.
EvalError CallSolverOperator(int /*functionId*/, const double* /*args*/, int /*count*/, ExprNode& /*call*/) {
    return kBadArgument;
}

}  // namespace quorvix
