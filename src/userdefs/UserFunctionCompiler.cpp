#include "userdefs/UserFunctionCompiler.h"

#include <algorithm>

#include "engine/TextRules.h"

namespace quorvix {

std::string UserFunctionSlotName(int k) {
    if (k == 0) return "t";
    return std::string(1, static_cast<char>('a' + k - 1));
}

bool IsCallableUserFunctionName(std::string_view name) {
    return Evaluator::IsValidName(name) && UpperCaseText(name) != "ANS";
}

void CompileUserFunctions(const std::vector<UserFunction>& functions,
                          std::vector<UserFunctionEntry>& compiled) {
    compiled.clear();
    compiled.reserve(functions.size());
    for (const UserFunction& f : functions) {
        UserFunctionEntry entry;
        if (IsCallableUserFunctionName(f.name)) entry.upperName = UpperCaseText(f.name);
        entry.evaluator = std::make_unique<Evaluator>();
        entry.evaluator->SetExpression(f.expression);
        const int arguments = std::clamp<int>(f.minArgs, 0, kMaxFunctionArguments);
        entry.evaluator->SetSlotCount(arguments + 1);
        for (int k = 0; k <= arguments; ++k) {
            entry.evaluator->SetSlotName(k, UserFunctionSlotName(k));
        }
        compiled.push_back(std::move(entry));
    }
}

}  // namespace quorvix
