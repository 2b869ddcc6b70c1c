#include "finance/FinanceBox.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "numeric/Annuity.h"
#include "platform/NumberField.h"
#include "units/InsertionFormat.h"

namespace quorvix {

FinanceBox::FinanceBox(Prompter& prompter, AprCalculationHost& aprHost)
    : prompter_(prompter), aprHost_(aprHost) {
    for (std::string& t : texts_) t = FormatNumberField(0.0);
}

bool FinanceBox::ReadFields() {
    frequency_ = frequencyChoice_;
    // No selection in the timing list counts as payments at the end.
    timing_ = (timingChoice_ == 1) ? 1 : 0;
    static constexpr FinanceField kReadOrder[] = {
        FinanceField::AnnualRate, FinanceField::FutureValue, FinanceField::Payment,
        FinanceField::PresentValue, FinanceField::Duration};
    for (FinanceField f : kReadOrder) {
        if (!ReadNumberField(texts_[Index(f)], values_[Index(f)], prompter_)) {
            focus_ = f;
            return false;
        }
    }
    return true;
}

bool FinanceBox::StartCommand() {
    focus_.reset();
    return ReadFields();
}

double FinanceBox::RatePerPeriod() const {
    return value(FinanceField::AnnualRate) * 0.01 / PeriodsPerYearNow();
}

double FinanceBox::NumberOfPeriods() const {
    return PeriodsPerYearNow() * value(FinanceField::Duration);
}

std::string FinanceBox::FormatResult(double result) {
    char buffer[512];  // "%.2f" of the largest double needs 312 characters
    if (std::isfinite(result) && std::fabs(result) >= kScientificFrom) {
        std::snprintf(buffer, sizeof buffer, "%.9E", result);
        return WithThreeDigitExponent(buffer);  // as the calculator writes them
    }
    std::snprintf(buffer, sizeof buffer, "%.2f", result);
    if (std::strtod(buffer, nullptr) == 0.0) return std::string(1, '0');
    return buffer;
}

void FinanceBox::ShowResult(FinanceField field, double result) {
    if (!std::isfinite(result)) {
        prompter_.ShowMessage(kCaption, kInvalidInputs, PromptIcon::Exclamation);
        focus_ = FinanceField::PresentValue;
        return;
    }
    texts_[Index(field)] = FormatResult(result);
    // The stored value becomes the rounded value that is shown.
    ReadFields();
}

void FinanceBox::CalculatePresentValue() {
    if (!StartCommand()) return;
    ShowResult(FinanceField::PresentValue,
               numeric::PV(RatePerPeriod(), NumberOfPeriods(), value(FinanceField::Payment),
                           value(FinanceField::FutureValue), timing_));
}

void FinanceBox::CalculateFutureValue() {
    if (!StartCommand()) return;
    ShowResult(FinanceField::FutureValue,
               numeric::FV(RatePerPeriod(), NumberOfPeriods(), value(FinanceField::Payment),
                           value(FinanceField::PresentValue), timing_));
}

void FinanceBox::CalculatePayment() {
    if (!StartCommand()) return;
    ShowResult(FinanceField::Payment,
               numeric::PMT(RatePerPeriod(), NumberOfPeriods(), value(FinanceField::PresentValue),
                            value(FinanceField::FutureValue), timing_));
}

void FinanceBox::CalculateDuration() {
    if (!StartCommand()) return;
    const double periods =
        numeric::NPER(RatePerPeriod(), value(FinanceField::Payment),
                      value(FinanceField::PresentValue), value(FinanceField::FutureValue), timing_);
    const double years = periods / PeriodsPerYearNow();
    values_[Index(FinanceField::Duration)] = years;
    ShowResult(FinanceField::Duration, years);
}

void FinanceBox::CalculateAnnualRate() {
    // Each pass re-reads the fields; a pass that does not converge asks for a
    // new guess and starts again, until the rate converges or the user cancels.
    for (;;) {
        if (!StartCommand()) return;
        const int n = PeriodsPerYearNow();
        const numeric::RateResult r =
            numeric::RATE(NumberOfPeriods(), value(FinanceField::Payment),
                          value(FinanceField::PresentValue), value(FinanceField::FutureValue),
                          timing_, guess_ * 0.01 / n);
        if (r.status != numeric::RateStatus::Converged) {
            AprCalculation dialog(guess_, prompter_);
            if (!aprHost_.Run(dialog)) return;
            guess_ = dialog.guess();
            continue;
        }
        if (r.rate > 0.0) {
            ShowResult(FinanceField::AnnualRate, r.rate * n * 100.0);
        } else {
            prompter_.ShowMessage(AprCalculation::kCaption, kNoInterestRate,
                                  PromptIcon::Exclamation);
            focus_ = FinanceField::PresentValue;
        }
        return;
    }
}

void FinanceBox::Calculate(FinanceField field) {
    switch (field) {
        case FinanceField::PresentValue: CalculatePresentValue(); break;
        case FinanceField::FutureValue: CalculateFutureValue(); break;
        case FinanceField::AnnualRate: CalculateAnnualRate(); break;
        case FinanceField::Duration: CalculateDuration(); break;
        case FinanceField::Payment: CalculatePayment(); break;
    }
}

}  // namespace quorvix
