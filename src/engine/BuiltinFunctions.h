#pragma once
// The built-in functions computed inside the engine, grouped by kind. Each
// Call... function returns false when the id is not in its group. Otherwise
// it has set call.value (and call.resultText for text results) and reports
// a failure either through errno (checked by the evaluator afterwards) or by
// setting `code`, which then skips that check.

#include <cstdint>

#include "engine/EvalError.h"
#include "engine/Evaluator.h"
#include "engine/ExprNode.h"

namespace quorvix {

// x truncated toward zero to 64 bits, low 32 bits read as signed; a
// magnitude of 2^63 or more, or a NaN, gives 0.
std::int32_t ToInt32(double x);

// The plain numeric functions: the result depends on the arguments (and the
// angle unit) only, and failures are reported through errno and the value.
// Null for any other id. Both evaluation paths compute these, so a compiled
// program gives exactly what the tree walk gives.
using UnaryFunction = double (*)(double);
using BinaryFunction = double (*)(double, double);
UnaryFunction PlainUnaryFunction(int id, AngleUnit unit);
BinaryFunction PlainBinaryFunction(int id);

// Elementary, trigonometric, hyperbolic, LOGN, MOD, RAND and statistics.
bool CallMathFunction(int id, const double* args, int count, ExprNode& call);
bool ComputeMathFunction(int id, const double* args, int count, AngleUnit unit, double& result);
// INT, FACT, bitwise operations and base conversions.
bool CallIntegerFunction(int id, const double* args, int count, ExprNode& call, EvalError& code);

}  // namespace quorvix
