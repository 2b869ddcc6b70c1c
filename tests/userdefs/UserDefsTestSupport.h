#pragma once
// Helpers shared by the user definition tests: a function record, and
// evaluating a line on a main-style evaluator that knows compiled functions.

#include <string>
#include <vector>

#include "../engine/EngineTestSupport.h"
#include "userdefs/UserRecords.h"

namespace quorvix::test {

inline UserFunction Function(const std::string& name, const std::string& expression, int args) {
    UserFunction f;
    f.name = name;
    f.expression = expression;
    f.minArgs = args;
    f.maxArgs = args;
    return f;
}

// Evaluates text with slots t = tValue and ANS = ansValue and the given
// compiled user functions.
inline Outcome CalcWith(const std::vector<UserFunctionEntry>& compiled, const std::string& text,
                        double tValue = 0.0, double ansValue = 42.0) {
    Evaluator main;
    MakeMainEvaluator(main);
    main.SetSlotValue(0, tValue);
    main.SetSlotValue(1, ansValue);
    main.setUserFunctions(&compiled);
    return Calc(main, text);
}

}  // namespace quorvix::test
