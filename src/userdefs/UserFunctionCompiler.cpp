#include "userdefs/UserFunctionCompiler.h"

#include <algorithm>
#include <cctype>

namespace quorvix {

std::string UpperCaseName(std::string_view name) {
    std::string upper(name);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string UserFunctionSlotName(int k) {
    if (k == 0) return "t";
    return std::string(1, static_cast<char>('a' + k - 1));
}

bool IsCallableUserFunctionName(std::string_view name) {
    return Evaluator::IsValidName(name) && UpperCaseName(name) != "ANS";
}

void CompileUserFunctions(const std::vector<UserFunction>& functions,
                          std::vector<UserFunctionEntry>& compiled) {
    compiled.clear();
    compiled.reserve(functions.size());
    for (const UserFunction& f : functions) {
        UserFunctionEntry entry;
        if (IsCallableUserFunctionName(f.name)) entry.upperName = UpperCaseName(f.name);
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
