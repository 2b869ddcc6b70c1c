// The display commands: clearing, the variable listing, clearing the
// variables and the exit request.

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "calculator/CalculatorDialog.h"
#include "engine/Cancellation.h"
#include "platform/Prompter.h"

namespace quorvix {

namespace {

// The value of a formula that is just a decimal number (an empty formula
// counts as 0). Infinity, NaN and hexadecimal forms that strtod would also
// accept are names or expressions to the engine, so they do not count.
bool ReadPlainNumber(const std::string& formula, double& value) {
    if (formula.find_first_of("xXnN") != std::string::npos) return false;
    const char* begin = formula.c_str();
    char* end = nullptr;
    errno = 0;
    value = std::strtod(begin, &end);
    errno = 0;
    return end == begin + formula.size() && std::isfinite(value);
}

}  // namespace

void CalculatorDialog::ClearEntry() {
    if (pendingInsert_) {
        // Only the line that the keys were typing into.
        const int line = display_.CaretLine();
        const int start = display_.LineStart(line);
        display_.SetSelection(start, start + display_.LineLength(line));
    } else {
        display_.SetSelection(0, -1);
    }
    display_.DeleteSelection();
    pendingInsert_ = false;
    helpKeyword_.clear();
    display_.SetFocus();
    ShowNextTip();
}

void CalculatorDialog::ClearDisplay() {
    display_.SetSelection(0, -1);
    display_.DeleteSelection();
    pendingInsert_ = false;
    helpKeyword_.clear();
    display_.SetFocus();
}

std::string CalculatorDialog::ListingValue(const std::string& formula) {
    double value = 0.0;
    // Plain numbers are shown directly, but only in base 10: in any other
    // base the engine reads "10" as a number of that base, so the formula
    // has to be evaluated to give the variable's real value.
    if (numberBase_ == 10 && ReadPlainNumber(formula, value)) return FormatResult(value);
    evaluator_.SetExpression(formula);
    if (evaluator_.Parse() == 0) {
        value = evaluator_.Evaluate();
        if (evaluator_.LastError() == 0) return formula + " = " + FormatResult(value);
    }
    return formula + " = Error";
}

bool CalculatorDialog::ShowVariables() {
    display_.StartNewLine();
    const int count = evaluator_.VariableCount();
    if (count == 0) {
        InsertText("Empty variable list\n");
        return true;
    }
    for (int i = 0; i < count; ++i) {
        // Copies: evaluating a formula may not touch the list, but the
        // references must not outlive a change to it either.
        const std::string name = evaluator_.VariableAt(i).name;
        const std::string formula = evaluator_.VariableAt(i).expression;
        const std::string value = ListingValue(formula);
        // The list is as long as the user made it, and each value may take
        // a while to compute: a cancel request ends the listing, before a
        // value that it cut short is shown.
        if (EvaluationCancelRequested()) return false;
        InsertText(name + " = ");
        InsertText(value);
        InsertText("\n");
    }
    return true;
}

void CalculatorDialog::ConfirmClearVariables() {
    const bool yes = prompter_.AskYesNo(
        "Delete Variables",
        "This will delete all the variables (if any) defined so far.  Proceed?",
        PromptIcon::Warning);
    if (yes) {
        evaluator_.ClearVariables();
        display_.StartNewLine();
        InsertText("Variable list cleared\n");
    }
    display_.SetFocus();
}

void CalculatorDialog::RequestExit() {
    exitRequested_ = true;
    if (host_) host_->ExitRequested();
}

}  // namespace quorvix
