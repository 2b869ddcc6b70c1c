#pragma once
// The Finance box: five amounts of a level-payment loan or savings plan and
// two choices; each amount has a Calculate command that solves for it from
// the other four. The window shows the field texts; this class keeps them,
// reads them into numbers, and writes results back as the user sees them.

#include <array>
#include <optional>
#include <string>

#include "finance/AprCalculation.h"
#include "finance/PaymentChoices.h"
#include "platform/HelpViewer.h"
#include "platform/Prompter.h"

namespace quorvix {

enum class FinanceField { PresentValue = 0, FutureValue, AnnualRate, Duration, Payment };

class FinanceBox {
public:
    static constexpr const char* kCaption = "Finance Box";
    static constexpr const char* kHelpKeyword = "Finance Box";
    static constexpr const char* kInvalidInputs =
        "One or more of the inputs are invalid.  Please try again.";
    static constexpr const char* kNoInterestRate =
        "No interest rate satisfies the given parameters.  Please change one or more values.";
    static constexpr double kInitialGuess = 10.0;  // percent per year
    // From this magnitude on a result is shown in scientific notation: two
    // decimals would run to hundreds of digits, of which a field shows only
    // the last few, and beyond 2^53 the cents are no longer held anyway.
    static constexpr double kScientificFrom = 1e15;

    // The text a result field shows: "%.2f", "0" for what rounds to zero,
    // scientific notation with ten significant digits from kScientificFrom on.
    static std::string FormatResult(double result);

    FinanceBox(Prompter& prompter, AprCalculationHost& aprHost);

    // Field texts as the window shows them, and the values last read from them.
    const std::string& text(FinanceField field) const { return texts_[Index(field)]; }
    void SetText(FinanceField field, std::string text) { texts_[Index(field)] = std::move(text); }
    double value(FinanceField field) const { return values_[Index(field)]; }

    // Selected list entries; -1 means no selection.
    int frequency() const { return frequencyChoice_; }
    void SetFrequency(int index) { frequencyChoice_ = index; }
    int timing() const { return timingChoice_; }
    void SetTiming(int index) { timingChoice_ = index; }

    // The annual rate guess in percent; replaced by the APR Calculation dialog.
    double guess() const { return guess_; }

    // The five Calculate commands.
    void CalculatePresentValue();
    void CalculateFutureValue();
    void CalculateAnnualRate();
    void CalculateDuration();
    void CalculatePayment();
    void Calculate(FinanceField field);
    // Enter: the payment row's Calculate is the default button.
    void Enter() { CalculatePayment(); }

    // Field that should receive the focus after the last command, if any.
    std::optional<FinanceField> focus() const { return focus_; }

    void Show() { visible_ = true; }
    void Hide() { visible_ = false; }  // Close, Escape and the close box
    bool visible() const { return visible_; }
    void Help(HelpViewer& help) const { help.OpenAtKeyword(kHelpKeyword); }

private:
    static std::size_t Index(FinanceField f) { return static_cast<std::size_t>(f); }

    // Reads the window into the values: frequency, timing, then the amounts in
    // a fixed order. The first field that is not a number stops the reading
    // with one message and takes the focus; false then, and the command that
    // asked stops too, rather than calculate with that field's old value.
    bool ReadFields();
    int PeriodsPerYearNow() const { return PeriodsPerYear(frequency_); }
    double RatePerPeriod() const;
    double NumberOfPeriods() const;
    // Shows a result in its field the way the box rounds it, or refuses it.
    void ShowResult(FinanceField field, double result);
    // Reads the fields for a Calculate command, forgetting the last focus.
    bool StartCommand();

    Prompter& prompter_;
    AprCalculationHost& aprHost_;
    std::array<std::string, 5> texts_;
    std::array<double, 5> values_{};
    int frequencyChoice_ = kMonthlyFrequency;
    int timingChoice_ = 0;
    int frequency_ = kMonthlyFrequency;  // as last read
    int timing_ = 0;                     // as last read
    double guess_ = kInitialGuess;
    std::optional<FinanceField> focus_;
    bool visible_ = false;
};

}  // namespace quorvix
