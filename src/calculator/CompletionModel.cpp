#include "calculator/CompletionModel.h"

#include <algorithm>

#include "calculator/FunctionCatalogue.h"
#include "calculator/NameCharacters.h"
#include "engine/TextRules.h"

namespace quorvix {
namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

bool ByName(const Completion& a, const Completion& b) {
    return UpperCaseAscii(a.name) < UpperCaseAscii(b.name);
}

// The language's own names that are neither functions nor variables.
struct LanguageConstant {
    const char* name;
    const char* description;
};
constexpr LanguageConstant kLanguageConstants[] = {
    {"ANS", "The last answer"},
    {"PI", "The ratio of a circle's circumference to its diameter, 3.14159265358979"},
};

// CONVERT is a function of the language that the catalogue menus leave out.
const FunctionInfo& ConvertFunction() {
    static const FunctionInfo convert{"Convert", 3, 3, "value, \"from unit\", \"to unit\"",
                                      "Converts a value from one unit to another", ""};
    return convert;
}

}  // namespace

TypedName NameBeforeCaret(std::string_view line, int caret) {
    const auto end = static_cast<std::size_t>(std::clamp(caret, 0, static_cast<int>(line.size())));
    std::size_t start = end;
    while (start > 0 && IsNameChar(line[start - 1])) --start;
    while (start < end && IsAsciiDigit(line[start])) ++start;
    return TypedName{static_cast<int>(start), std::string(line.substr(start, end - start))};
}

std::vector<Completion> CompletionsFor(std::string_view prefix, const CompletionNames& names) {
    std::vector<Completion> found;
    if (static_cast<int>(prefix.size()) < kMinCompletionPrefix) return found;
    auto group = [&](auto&& fill) {
        const std::size_t first = found.size();
        fill();
        std::stable_sort(found.begin() + static_cast<std::ptrdiff_t>(first), found.end(), ByName);
    };
    auto addFunction = [&](const FunctionInfo& row, CompletionKind kind) {
        if (StartsWithIgnoringCase(row.name, prefix))
            found.push_back({row.name, kind, CallSyntax(row), row.description});
    };
    group([&] {
        for (const FunctionInfo& row : FunctionCatalogue()) addFunction(row, CompletionKind::Function);
        addFunction(ConvertFunction(), CompletionKind::Function);
    });
    group([&] {
        for (const FunctionInfo& row : names.userFunctions)
            addFunction(row, CompletionKind::UserDefinedFunction);
    });
    group([&] {
        if (!names.variables) return;
        for (int i = 0; i < names.variables->VariableCount(); ++i) {
            const Variable& v = names.variables->VariableAt(i);
            if (StartsWithIgnoringCase(v.name, prefix))
                found.push_back({v.name, CompletionKind::Variable, v.name + " = " + v.expression,
                                 "A variable"});
        }
    });
    group([&] {
        for (const LanguageConstant& c : kLanguageConstants) {
            if (StartsWithIgnoringCase(c.name, prefix))
                found.push_back({c.name, CompletionKind::Constant, c.name, c.description});
        }
    });
    return found;
}

std::vector<Completion> CompletionsAt(std::string_view line, int caret,
                                      const CompletionNames& names) {
    return CompletionsFor(NameBeforeCaret(line, caret).text, names);
}

UserMenuInsertion CompletionInsertion(const Completion& completion) {
    if (completion.kind == CompletionKind::Function || completion.kind == CompletionKind::UserDefinedFunction)
        return UserMenuInsertion{completion.name + "()", 1, "Syntax: " + completion.syntax};
    return UserMenuInsertion{completion.name, 0, {}};
}

CompletedLine ApplyCompletion(std::string_view line, int caret, const Completion& completion) {
    const TypedName typed = NameBeforeCaret(line, caret);
    const auto start = static_cast<std::size_t>(typed.start);
    const std::size_t end = start + typed.text.size();
    const UserMenuInsertion insertion = CompletionInsertion(completion);
    CompletedLine result;
    result.line.append(line.substr(0, start)).append(insertion.text).append(line.substr(end));
    result.caret = static_cast<int>(start + insertion.text.size()) - insertion.caretBackFromEnd;
    return result;
}

}  // namespace quorvix
