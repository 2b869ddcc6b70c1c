#include "userdefs/UserFunctionsEditor.h"

#include <cctype>

#include "engine/Evaluator.h"
#include "engine/TextRules.h"
#include "platform/NumberField.h"
#include "userdefs/UserFunctionCompiler.h"

namespace quorvix {

UserFunctionsEditor::UserFunctionsEditor(std::vector<UserFunction>& functions, Prompter& prompter)
    : functions_(functions), prompter_(prompter) {
    std::vector<std::string> names;
    for (const UserFunction& f : functions_) names.push_back(f.name);
    Open(std::move(names));
    argumentsText = std::to_string(kMinArguments);
}

int UserFunctionsEditor::ArgumentCount(const std::string& text) {
    const std::string digits(TrimSpacesAndTabs(text));
    if (digits.empty() || digits.size() > 2) return 0;
    int n = 0;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
        n = n * 10 + (c - '0');
    }
    return (n >= kMinArguments && n <= kMaxArguments) ? n : 0;
}

void UserFunctionsEditor::Select(int line) {
    if (!SelectLine(line)) return;
    const UserFunction& f = functions_[static_cast<std::size_t>(line)];
    nameText = f.name;
    expressionText = f.expression;
    syntaxText = f.syntax;
    descriptionText = f.description;
    // The up-down control keeps its position within its range.
    int n = f.minArgs;
    if (n < kMinArguments) n = kMinArguments;
    if (n > kMaxArguments) n = kMaxArguments;
    argumentsText = std::to_string(n);
}

void UserFunctionsEditor::Refuse(const std::string& text, Field focus) {
    prompter_.ShowMessage(kAddCaption, text, PromptIcon::Exclamation);
    focus_ = focus;
}

void UserFunctionsEditor::RefusePlain(const std::string& text, Field focus) {
    prompter_.ShowMessage(kApplicationTitle, text, PromptIcon::None);
    focus_ = focus;
}

bool UserFunctionsEditor::NameInUse(const std::string& name) const {
    const std::string upper = UpperCaseText(name);
    for (const UserFunction& f : functions_) {
        if (UpperCaseText(f.name) == upper) return true;
    }
    return false;
}

bool UserFunctionsEditor::TrialCompile(const std::string& expression, int n) {
    Evaluator trial;
    trial.SetExpression(expression);
    // Argument slots a, b, ... first, then t.
    trial.SetSlotCount(n + 1);
    for (int k = 0; k < n; ++k) trial.SetSlotName(k, UserFunctionSlotName(k + 1));
    trial.SetSlotName(n, UserFunctionSlotName(0));
    const EvalError error = trial.Parse();
    if (error == kNoError) return true;
    RefusePlain(trial.Message(error), Field::Expression);
    // The position is relative to the trimmed expression; the field may
    // still hold the blanks in front of it.
    const std::size_t lead = expressionText.find_first_not_of(" \t");
    selectionStart_ = trial.ErrorPosition() + static_cast<int>(lead == std::string::npos ? 0 : lead);
    selectionLength_ = trial.ErrorLength();
    return false;
}

void UserFunctionsEditor::Add() {
    selectionStart_ = 0;
    selectionLength_ = 0;
    if (functions_.size() >= static_cast<std::size_t>(kMaxUserRecords)) {
        Refuse(WithLimit(kTooMany, kMaxUserRecords), Field::None);
        return;
    }
    const std::string name(TrimSpacesAndTabs(nameText));
    const std::string expression(TrimSpacesAndTabs(expressionText));
    const std::string description(TrimSpacesAndTabs(descriptionText));
    const std::string syntax(TrimSpacesAndTabs(syntaxText));

    if (name.empty() || expression.empty()) {
        return Refuse(kFillOut, Field::Name);
    }
    if (name.size() > kMaxFunctionName) {
        return Refuse(WithLimit(kNameTooLong, static_cast<int>(kMaxFunctionName)), Field::Name);
    }
    // Besides the engine's name rule, ANS is refused: a function of that name
    // could never be called, since the name means the last answer.
    if (!IsCallableUserFunctionName(name)) return RefusePlain(kInvalidName, Field::Name);
    if (NameInUse(name)) return RefusePlain(kNameUsed, Field::Name);
    if (expression.size() > kMaxFunctionExpression) {
        return Refuse(WithLimit(kExpressionTooLong, static_cast<int>(kMaxFunctionExpression)),
                      Field::Expression);
    }
    if (syntax.size() > kMaxFunctionSyntax) {
        return Refuse(WithLimit(kSyntaxTooLong, static_cast<int>(kMaxFunctionSyntax)),
                      Field::Syntax);
    }
    if (description.size() > kMaxFunctionDescription) {
        return Refuse(WithLimit(kDescriptionTooLong, static_cast<int>(kMaxFunctionDescription)),
                      Field::Description);
    }
    const int n = ArgumentCount(argumentsText);
    if (n == 0) return Refuse(kBadArgumentCount, Field::Arguments);
    if (!TrialCompile(expression, n)) return;

    UserFunction f;
    f.name = name;
    f.expression = expression;
    f.syntax = syntax;
    f.description = description;
    f.minArgs = n;
    f.maxArgs = n;
    functions_.push_back(std::move(f));
    AppendLine(name);

    nameText.clear();
    expressionText.clear();
    syntaxText.clear();
    descriptionText.clear();
    argumentsText = std::to_string(kMinArguments);
    focus_ = Field::Name;
}

void UserFunctionsEditor::Remove() {
    const int line = RemoveSelectedLine();
    if (line < 0) return;
    functions_.erase(functions_.begin() + line);
    NotifyChanged();
}

}  // namespace quorvix
