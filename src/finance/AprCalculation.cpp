#include "finance/AprCalculation.h"

#include "platform/NumberField.h"

namespace quorvix {

AprCalculation::AprCalculation(double currentGuess, Prompter& prompter)
    : prompter_(prompter), text_(FormatNumberField(currentGuess)), guess_(currentGuess) {}

bool AprCalculation::Ok() {
    textSelected_ = true;
    return ReadNumberField(text_, guess_, prompter_);
}

}  // namespace quorvix
