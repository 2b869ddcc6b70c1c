#include "engine/EvalError.h"

namespace quorvix {

const char* ErrorMessage(EvalError code) {
    switch (code) {
        case kNoError: return "No error occurred";
        case kUnbalancedParenthesis: return "Unbalanced parenthesis";
        case kInvalidCharacter: return "Invalid character";
        case kUnexpectedCharacter: return "Unexpected character";
        case kDanglingOperator: return "Dangling operator";
        case kWrongArgumentCount: return "Wrong number of arguments";
        case kUnrecognizedFunction: return "Unrecognized function";
        case kMissingParenthesis: return "Missing parenthesis";
        case kInvalidNumber: return "Invalid number";
        case kOverflow: return "Overflow";
        case kDivisionByZero: return "Division by zero";
        case kBadArgument: return "Bad argument";
        case kInvalidArgument: return "Invalid argument";
        case kResultTooLarge: return "Result too large";
        case kCircularReference: return "Circular reference";
        case kEvaluationCancelled: return "Evaluation cancelled";
        default: return "Unknown error";  // includes 14 and 16
    }
}

}  // namespace quorvix
