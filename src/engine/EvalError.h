#pragma once
// The engine's one failure channel: an EvalError code (0 for success) that
// every parse, evaluation, built-in function and solver operator returns,
// and the fixed message of each code that the window and the terminal show
// after "Syntax error: " or "Error: ".

#include <cstdint>

namespace quorvix {

// The engine's error code: 0 for success, a fixed message per code.
using EvalError = std::int32_t;

enum EvalErrorCode : EvalError {
    kNoError = 0,
    kUnbalancedParenthesis = 1,
    kInvalidCharacter = 2,
    kUnexpectedCharacter = 3,
    kDanglingOperator = 4,
    kWrongArgumentCount = 5,
    kUnrecognizedFunction = 6,
    kMissingParenthesis = 7,
    kInvalidNumber = 8,
    kOverflow = 9,
    kDivisionByZero = 10,
    kBadArgument = 11,
    kInvalidArgument = 12,
    kResultTooLarge = 13,
    kUnclosedString = 14,
    kCircularReference = 15,
    kUnknownMathError = 16,
    kEvaluationCancelled = 17,
};

// The fixed message of a code; "Unknown error" for codes without one.
const char* ErrorMessage(EvalError code);

}  // namespace quorvix
