#include "calculator/LineClassifier.h"

#include <array>

#include "engine/TextRules.h"

namespace quorvix {

namespace {

struct CommandWord {
    std::string_view word;
    LineKind kind;
};

constexpr std::array<CommandWord, 8> kCommandWords = {{
    {"CLR", LineKind::ClearDisplay},
    {"CLEAR", LineKind::ClearDisplay},
    {"EXIT", LineKind::Exit},
    {"OFF", LineKind::Exit},
    {"CLEARVARS", LineKind::ClearVariables},
    {"CV", LineKind::ClearVariables},
    {"SHOWVARS", LineKind::ShowVariables},
    {"SV", LineKind::ShowVariables},
}};

bool StartsWithOperator(std::string_view s) {
    if (s.empty()) return false;
    const char c = s.front();
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '%' || c == '!';
}

}  // namespace

ClassifiedLine ClassifyLine(std::string_view line) {
    ClassifiedLine result;
    std::string_view t = TrimTrailingSpacesAndTabs(line);
    const std::string_view s = TrimSpacesAndTabs(t);
    if (s.empty()) return result;
    if (s.front() == '\'') {
        result.kind = LineKind::Comment;
        return result;
    }
    for (const CommandWord& command : kCommandWords) {
        if (EqualsIgnoringCase(s, command.word)) {
            result.kind = command.kind;
            return result;
        }
    }

    if (t.back() == '=') {
        t.remove_suffix(1);
        result.typedEquals = true;
    }
    const std::size_t equals = t.find('=');
    if (equals != std::string_view::npos && equals >= 1) {
        result.kind = LineKind::Assignment;
        result.equalsIndex = static_cast<int>(equals);
        result.name = std::string(TrimSpacesAndTabs(t.substr(0, equals)));
        result.formula = std::string(t.substr(equals + 1));
        result.expression = result.name;
        return result;
    }
    result.kind = LineKind::Expression;
    result.expression = std::string(t);
    if (StartsWithOperator(s)) {
        // "-3" means "ANS-3".
        result.expression.insert(0, "ANS");
        result.ansPrefixed = true;
    }
    return result;
}

}  // namespace quorvix
