// Reading the caret's line and evaluating it: commands, comments, the ANS
// prefix, assignments and the answer written under the line.

#include <algorithm>

#include "calculator/CalculatorDialog.h"
#include "calculator/FunctionCatalogue.h"

namespace quorvix {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string TrimRight(std::string text) {
    while (!text.empty() && IsBlank(text.back())) text.pop_back();
    return text;
}

std::string TrimLeft(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    return text.substr(i);
}

bool StartsWithOperator(const std::string& s) {
    if (s.empty()) return false;
    const char c = s.front();
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '%' || c == '!';
}

// A line's text without its line break, read within the display's limit.
std::string ReadLineText(const CalculatorDisplay& display, int line) {
    std::string text = display.ReadLine(line, CalculatorDialog::kLineReadLimit);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

}  // namespace

int CalculatorDialog::CurrentLineStart() const {
    const int line = currentLine_ >= 0 ? currentLine_ : display_.CaretLine();
    return std::max(0, display_.LineStart(line));
}

bool CalculatorDialog::IsRefusedVariableName(const std::string& name) const {
    if (name.empty() || !Evaluator::IsValidName(name)) return true;
    if (NamesEqual(name, "T") || NamesEqual(name, "ANS")) return true;
    if (userFunctions_ != nullptr) {
        for (const UserFunctionEntry& function : *userFunctions_)
            if (NamesEqual(function.upperName, name)) return true;
    }
    return false;
}

void CalculatorDialog::ReadCurrentLine() {
    currentLine_ = display_.CaretLine();
    std::string candidate = ReadLineText(display_, currentLine_);
    // An empty line repeats the nearest non-empty line above it.
    while (candidate.empty()) {
        display_.PressKey(DisplayKey::Up);
        --currentLine_;
        if (currentLine_ < 0) break;
        candidate = ReadLineText(display_, currentLine_);
    }
    if (!candidate.empty()) expressionText_ = candidate;
}

CalculatorDialog::LineOutcome CalculatorDialog::EvaluateCurrentLine() {
    ReadCurrentLine();
    std::string t = TrimRight(expressionText_);
    const std::string s = TrimLeft(t);
    if (s.empty()) {
        display_.SetFocus();
        return LineOutcome::Nothing;
    }
    if (s.front() == '\'') {
        display_.StartNewLine();
        return LineOutcome::Comment;
    }

    if (NamesEqual(s, "CLR") || NamesEqual(s, "CLEAR")) {
        ClearDisplay();
        return LineOutcome::Command;
    }
    if (NamesEqual(s, "EXIT") || NamesEqual(s, "OFF")) {
        RequestExit();
        return LineOutcome::Command;
    }
    if (NamesEqual(s, "CLEARVARS") || NamesEqual(s, "CV")) {
        ConfirmClearVariables();
        return LineOutcome::Command;
    }
    if (NamesEqual(s, "SHOWVARS") || NamesEqual(s, "SV")) {
        const bool complete = ShowVariables();
        display_.SetFocus();
        if (!complete) {
            ShowHelpText("Error: " + evaluator_.Message(kEvaluationCancelled));
            return LineOutcome::Failed;
        }
        return LineOutcome::Command;
    }

    bool typedEquals = false;
    if (t.back() == '=') {
        t.pop_back();
        typedEquals = true;
    }
    const std::size_t found = t.find('=');
    const int q = found == std::string::npos ? -1 : static_cast<int>(found);

    if (q < 1 && StartsWithOperator(s)) {
        // "-3" means "ANS-3", on the display as well.
        t = "ANS" + t;
        display_.QueueKey(DisplayKey::Home);
        InsertText("ANS");
        display_.QueueKey(DisplayKey::End);
    }

    const bool assignment = q >= 1;
    bool createdVariable = false;
    int variableIndex = -1;
    std::string oldFormula;
    if (assignment) {
        const std::string name = TrimLeft(TrimRight(t.substr(0, static_cast<std::size_t>(q))));
        if (IsRefusedVariableName(name)) {
            ShowHelpText("Invalid variable name");
            const int start = CurrentLineStart();
            display_.SetSelection(start, start + q);
            display_.SetFocus();
            return LineOutcome::Failed;
        }
        oldFormula = evaluator_.FindVariable(name);
        const int countBefore = evaluator_.VariableCount();
        variableIndex = evaluator_.SetVariable(name, t.substr(static_cast<std::size_t>(q) + 1));
        createdVariable = evaluator_.VariableCount() > countBefore;
        t = name;
    }

    evaluator_.SetExpression(t);
    const EvalError parseError = evaluator_.Parse();
    if (parseError != 0) {
        // A cancelled expansion is no fault of the text.
        const char* prefix = parseError == kEvaluationCancelled ? "Error: " : "Syntax error: ";
        ShowHelpText(prefix + evaluator_.Message(parseError));
        const int start = CurrentLineStart();
        if (assignment) {
            display_.SetSelection(start + evaluator_.ErrorPosition() + q + 1,
                                  start + evaluator_.ErrorPosition() + q + 1);
            // A formula that does not parse is not kept.
            if (createdVariable)
                evaluator_.RemoveVariable(variableIndex);
            else
                evaluator_.SetVariableText(variableIndex, oldFormula);
        } else {
            const int errorStart = start + evaluator_.ErrorPosition();
            display_.SetSelection(errorStart, errorStart + evaluator_.ErrorLength());
        }
        display_.SetFocus();
        return LineOutcome::Failed;
    }

    const double value = evaluator_.Evaluate();
    const EvalError evalError = evaluator_.LastError();
    if (evalError != 0) {
        ShowHelpText("Error: " + evaluator_.Message(evalError));
        display_.SetFocus();
        return LineOutcome::Failed;
    }

    const std::string answer =
        evaluator_.HasTextResult() ? evaluator_.ResultText() : FormatResult(value);
    display_.MoveToLineEnd();
    std::string written = typedEquals ? "" : " =";
    written += '\n';
    written += answer;
    if (newLineAfterCalculation_) written += '\n';
    InsertText(written);

    lastResult_ = value;
    evaluator_.SetSlotValue(kSlotAns, value);
    ShowNextTip();
    helpKeyword_.clear();
    pendingInsert_ = false;
    display_.SetFocus();
    return LineOutcome::Answer;
}

}  // namespace quorvix
