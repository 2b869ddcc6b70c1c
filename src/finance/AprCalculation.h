#pragma once
// The "APR Calculation" dialog: asks for a new guess of the annual interest
// rate (percent) when the rate iteration did not converge. OK accepts only a
// number; anything else keeps the dialog open after "Please enter a number.".

#include <string>

#include "platform/HelpViewer.h"
#include "platform/Prompter.h"

namespace quorvix {

class AprCalculation {
public:
    static constexpr const char* kCaption = "APR Calculation";
    static constexpr const char* kPrompt =
        "Failed to converge, please enter a new guess for the interest rate "
        "(without the % sign):";
    static constexpr const char* kHelpKeyword = "RATE";

    AprCalculation(double currentGuess, Prompter& prompter);

    // The number field's text; pre-filled with the current guess.
    const std::string& text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }

    // OK: selects the whole field text, then validates it. True when the
    // dialog may close with guess() as the new guess; false keeps it open.
    bool Ok();
    // Whether OK last selected the field's text (the view mirrors it).
    bool textSelected() const { return textSelected_; }
    double guess() const { return guess_; }

    void Help(HelpViewer& help) const { help.OpenAtKeyword(kHelpKeyword); }

private:
    Prompter& prompter_;
    std::string text_;
    double guess_;
    bool textSelected_ = false;
};

// The host that shows the dialog modally. Run returns true when the user
// closed it with an accepted OK, false on Cancel.
class AprCalculationHost {
public:
    virtual ~AprCalculationHost() = default;
    virtual bool Run(AprCalculation& dialog) = 0;
};

}  // namespace quorvix
