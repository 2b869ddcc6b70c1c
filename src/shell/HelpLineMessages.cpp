#include "shell/HelpLineMessages.h"

#include <algorithm>

#include "calculator/FunctionCatalogue.h"
#include "calculator/PopupHelp.h"
#include "engine/EvalError.h"

namespace quorvix {

std::vector<std::string> HelpLineMessagesToFit() {
    const std::string blanks = "  ";
    std::vector<std::string> messages{blanks + kCancelNotice};
    for (const FunctionInfo& row : FunctionCatalogue())
        messages.push_back(blanks + SyntaxLine(row.name, row));
    for (EvalError code = kUnbalancedParenthesis; code <= kEvaluationCancelled; ++code) {
        messages.push_back(blanks + "Error: " + ErrorMessage(code));
        messages.push_back(blanks + "Syntax error: " + ErrorMessage(code));
    }
    return messages;
}

int HelpLineWidthNeeded(const std::function<int(std::string_view)>& measure) {
    int widest = 0;
    for (const std::string& message : HelpLineMessagesToFit())
        widest = std::max(widest, measure(message));
    return widest;
}

}  // namespace quorvix
