#include "calculator/CalculatorDialog.h"

#include <cstdlib>
#include <ctime>

#include "calculator/PopupHelp.h"
#include "calculator/ResultFormat.h"

namespace quorvix {

namespace {
// RAND draws from the standard generator, seeded once per run from the clock
// when the first calculator window starts.
void SeedRandomGeneratorOnce() {
    static const bool seeded = [] {
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        return true;
    }();
    (void)seeded;
}
}  // namespace

CalculatorDialog::CalculatorDialog(CalculatorDisplay& display, Prompter& prompter)
    : display_(display), prompter_(prompter) {
    SeedRandomGeneratorOnce();
    // The main engine's slots: t for the solver operators, ANS for answers.
    evaluator_.SetSlotCount(2);
    evaluator_.SetSlotName(kSlotT, "t");
    evaluator_.SetSlotName(kSlotAns, "ANS");
    evaluator_.setNumberBase(numberBase_);
    evaluator_.setUnitConversion(&unitConversion_);
    SetUserFunctions(&userDefinitions_.compiledFunctions());
    BuildNumberPattern();
}

void CalculatorDialog::LoadUserDefinitions(const std::string& directory) {
    userDefinitions_.Load(directory);
    SetUserFunctions(&userDefinitions_.compiledFunctions());
}

void CalculatorDialog::SetNumberBase(NumberBase base) {
    numberBase_ = (base >= 2 && base <= 36) ? base : 10;
    evaluator_.setNumberBase(numberBase_);
}

void CalculatorDialog::SetNumberFormat(int format) {
    numberFormat_ = format;
    BuildNumberPattern();
}

void CalculatorDialog::SetSignificantDigits(int digits) {
    significantDigits_ = digits;
    BuildNumberPattern();
}

void CalculatorDialog::SetUserFunctions(const std::vector<UserFunctionEntry>* functions) {
    userFunctions_ = functions;
    evaluator_.setUserFunctions(functions);
}

void CalculatorDialog::BuildNumberPattern() {
    numberPattern_ = quorvix::BuildNumberPattern(numberFormat_, significantDigits_);
}

std::string CalculatorDialog::FormatResult(double value) const {
    return quorvix::FormatResult(value, numberBase_, numberPattern_);
}

void CalculatorDialog::InsertText(std::string_view text) {
    display_.SetFocus();
    for (char c : text) display_.QueueCharacter(c);
    pendingInsert_ = true;
}

void CalculatorDialog::ShowHelpText(std::string_view message) {
    helpText_ = "  ";
    helpText_.append(message);
    if (host_) host_->HelpTextChanged(helpText_);
}

void CalculatorDialog::ShowNextTip() {
    if (tips_) ShowHelpText(tips_->Next());
}

}  // namespace quorvix
