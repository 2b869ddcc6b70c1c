// Reading the caret's line and evaluating it: commands, comments, the ANS
// prefix, assignments and the answer written under the line.

#include <algorithm>
#include <optional>
#include <string>

#include "calculator/CalculatorDialog.h"
#include "calculator/LineClassifier.h"
#include "calculator/VariableAssignment.h"
#include "engine/TextRules.h"

namespace quorvix {

namespace {

// A line's text without its line break, read within the display's limit.
std::string ReadLineText(const CalculatorDisplay& display, int line) {
    std::string text = display.ReadLine(line, CalculatorDialog::kLineReadLimit);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

// Whether a line holds more than the read limit once blanks at its end are
// left out. Only a line longer than the limit is read again in full.
bool ExceedsReadLimit(const CalculatorDisplay& display, int line) {
    const int length = display.LineLength(line);
    if (length <= CalculatorDialog::kLineReadLimit) return false;
    const std::string text = display.ReadLine(line, length);
    const std::size_t last = text.find_last_not_of(' ');
    return last != std::string::npos &&
           last >= static_cast<std::size_t>(CalculatorDialog::kLineReadLimit);
}

}  // namespace

std::string CalculatorDialog::LineTooLongMessage() {
    return "Error: Line too long (over " + std::to_string(kLineReadLimit) + " characters)";
}

int CalculatorDialog::CurrentLineStart() const {
    const int line = currentLine_ >= 0 ? currentLine_ : display_.CaretLine();
    return std::max(0, display_.LineStart(line));
}

bool CalculatorDialog::IsRefusedVariableName(const std::string& name) const {
    if (name.empty() || !Evaluator::IsValidName(name)) return true;
    if (EqualsIgnoringCase(name, "T") || EqualsIgnoringCase(name, "ANS")) return true;
    if (userFunctions_ != nullptr) {
        for (const UserFunctionEntry& function : *userFunctions_)
            if (EqualsIgnoringCase(function.upperName, name)) return true;
    }
    return false;
}

bool CalculatorDialog::ReadCurrentLine() {
    currentLine_ = display_.CaretLine();
    std::string candidate = ReadLineText(display_, currentLine_);
    readFromEmptyLineAt_ = candidate.empty() ? display_.CaretPosition() : -1;
    // An empty line repeats the nearest non-empty line above it.
    while (candidate.empty()) {
        display_.PressKey(DisplayKey::Up);
        --currentLine_;
        if (currentLine_ < 0) break;
        candidate = ReadLineText(display_, currentLine_);
    }
    if (candidate.empty()) return true;
    expressionText_ = candidate;
    return !ExceedsReadLimit(display_, currentLine_);
}

CalculatorDialog::LineOutcome CalculatorDialog::EvaluateCurrentLine() {
    if (!ReadCurrentLine()) {
        // Evaluating only the start of the line would answer for another
        // expression: the line stays as it is and the help line says why.
        ShowHelpText(LineTooLongMessage());
        display_.SetFocus();
        return LineOutcome::Failed;
    }
    const ClassifiedLine line = ClassifyLine(expressionText_);
    switch (line.kind) {
        case LineKind::Blank:
            display_.SetFocus();
            return LineOutcome::Nothing;
        case LineKind::Comment:
            display_.StartNewLine();
            return LineOutcome::Comment;
        case LineKind::ClearDisplay:
            ClearDisplay();
            return LineOutcome::Command;
        case LineKind::Exit:
            if (readFromEmptyLineAt_ >= 0) {
                // EXIT ends the program only on its own line: a worksheet
                // saved by EXIT ends with it, and the next start's first
                // Enter on the empty line below must not end the program.
                // The caret goes back to the empty line.
                display_.SetSelection(readFromEmptyLineAt_, readFromEmptyLineAt_);
                currentLine_ = display_.CaretLine();
                display_.SetFocus();
                return LineOutcome::Nothing;
            }
            RequestExit();
            return LineOutcome::Command;
        case LineKind::ClearVariables:
            ConfirmClearVariables();
            return LineOutcome::Command;
        case LineKind::ShowVariables:
            return ShowVariablesCommand();
        case LineKind::Expression:
        case LineKind::Assignment:
            break;
    }
    if (line.ansPrefixed) {
        // The display line gets the prefix too.
        display_.QueueKey(DisplayKey::Home);
        InsertText("ANS");
        display_.QueueKey(DisplayKey::End);
    }
    return EvaluateLine(line);
}

CalculatorDialog::LineOutcome CalculatorDialog::ShowVariablesCommand() {
    const bool complete = ShowVariables();
    display_.SetFocus();
    if (!complete) {
        ShowHelpText("Error: " + evaluator_.Message(kEvaluationCancelled));
        return LineOutcome::Failed;
    }
    return LineOutcome::Command;
}

CalculatorDialog::LineOutcome CalculatorDialog::EvaluateLine(const ClassifiedLine& line) {
    std::optional<VariableAssignment> assignment;
    if (line.kind == LineKind::Assignment) {
        if (IsRefusedVariableName(line.name)) {
            ShowHelpText("Invalid variable name");
            const int start = CurrentLineStart();
            display_.SelectError(start, start + line.equalsIndex);
            display_.SetFocus();
            return LineOutcome::Failed;
        }
        assignment.emplace(evaluator_, line.name, line.formula);
    }

    evaluator_.SetExpression(line.expression);
    const EvalError parseError = evaluator_.Parse();
    if (parseError != 0) {
        // A cancelled expansion is no fault of the text.
        const char* prefix = parseError == kEvaluationCancelled ? "Error: " : "Syntax error: ";
        ShowHelpText(prefix + evaluator_.Message(parseError));
        SelectParseError(line);
        display_.SetFocus();
        return LineOutcome::Failed;  // a formula that does not parse is not kept
    }
    // From here on the assignment stays, even when its evaluation fails.
    if (assignment) assignment->Commit();

    const double value = evaluator_.Evaluate();
    const EvalError evalError = evaluator_.LastError();
    if (evalError != 0) {
        ShowHelpText("Error: " + evaluator_.Message(evalError));
        display_.SetFocus();
        return LineOutcome::Failed;
    }
    WriteAnswer(value, line.typedEquals);
    return LineOutcome::Answer;
}

void CalculatorDialog::SelectParseError(const ClassifiedLine& line) {
    const int start = CurrentLineStart();
    const int position = evaluator_.ErrorPosition();
    if (line.kind == LineKind::Assignment) {
        // The error lies in the formula after the '=': a caret there.
        const int caret = start + line.equalsIndex + 1 + position;
        display_.SelectError(caret, caret);
    } else {
        display_.SelectError(start + position, start + position + evaluator_.ErrorLength());
    }
}

void CalculatorDialog::WriteAnswer(double value, bool typedEquals) {
    const std::string answer =
        evaluator_.HasTextResult() ? evaluator_.ResultText() : FormatResult(value);
    display_.MoveToLineEnd();
    std::string written = typedEquals ? "" : " =";
    written += '\n';
    written += answer;
    if (newLineAfterCalculation_) written += '\n';
    InsertText(written);

    lastResult_ = value;
    lastAnswerText_ = answer;
    evaluator_.SetSlotValue(kSlotAns, value);
    ShowNextTip();
    helpKeyword_.clear();
    pendingInsert_ = false;
    display_.SetFocus();
}

}  // namespace quorvix
