#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>

#include "finance/FinanceBox.h"
#include "platform/MemoryPrompter.h"
#include "platform/NumberField.h"

using namespace quorvix;

namespace {

// Plays the user of the APR Calculation dialog: each scripted entry is typed
// and confirmed with OK; nullopt presses Cancel. An exhausted script cancels.
class ScriptedAprHost : public AprCalculationHost {
public:
    bool Run(AprCalculation& dialog) override {
        prefilled.push_back(dialog.text());
        while (!script.empty()) {
            std::optional<std::string> entry = script.front();
            script.pop_front();
            if (!entry) return false;
            dialog.SetText(*entry);
            if (dialog.Ok()) return true;
        }
        return false;
    }
    std::deque<std::optional<std::string>> script;
    std::vector<std::string> prefilled;
};

class FinanceBoxTest : public ::testing::Test {
protected:
    void Fill(const char* pv, const char* fv, const char* rate, const char* years,
              const char* payment) {
        box.SetText(FinanceField::PresentValue, pv);
        box.SetText(FinanceField::FutureValue, fv);
        box.SetText(FinanceField::AnnualRate, rate);
        box.SetText(FinanceField::Duration, years);
        box.SetText(FinanceField::Payment, payment);
    }
    void ExpectOnlyMessage(const char* caption, const char* text) {
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].caption, caption);
        EXPECT_EQ(prompter.shown[0].text, text);
        EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Exclamation);
        EXPECT_FALSE(prompter.shown[0].question);
    }

    MemoryPrompter prompter;
    ScriptedAprHost apr;
    FinanceBox box{prompter, apr};
};

}  // namespace

TEST_F(FinanceBoxTest, StartsWithZerosMonthlyAtEndOfPeriod) {
    for (FinanceField f : {FinanceField::PresentValue, FinanceField::FutureValue,
                           FinanceField::AnnualRate, FinanceField::Duration,
                           FinanceField::Payment}) {
        EXPECT_EQ(box.text(f), "0");
    }
    EXPECT_EQ(kPaymentFrequencies[static_cast<std::size_t>(box.frequency())].text, "Monthly");
    EXPECT_EQ(kPaymentTimings[static_cast<std::size_t>(box.timing())], "End of period");
    EXPECT_EQ(box.guess(), 10.0);
    EXPECT_FALSE(box.visible());
}

TEST_F(FinanceBoxTest, NoFrequencySelectedCountsAsMonthly) {
    box.SetFrequency(-1);
    Fill("1000", "0", "12", "1", "0");
    box.CalculatePayment();
    EXPECT_EQ(box.text(FinanceField::Payment), "-88.85");
}

TEST_F(FinanceBoxTest, PaymentOfALoanRoundsToCentsAndStoresTheShownValue) {
    Fill("1000", "0", "12", "1", "0");
    box.CalculatePayment();
    EXPECT_EQ(box.text(FinanceField::Payment), "-88.85");
    EXPECT_EQ(box.value(FinanceField::Payment), -88.85);
    EXPECT_TRUE(prompter.shown.empty());

    box.SetTiming(1);
    box.Enter();
    EXPECT_EQ(box.text(FinanceField::Payment), "-87.97");
}

TEST_F(FinanceBoxTest, RateDurationPresentAndFutureValueRoundTrip) {
    Fill("1000", "0", "0", "1", "-88.85");
    box.CalculateAnnualRate();
    EXPECT_EQ(box.text(FinanceField::AnnualRate), "12.00");
    EXPECT_TRUE(apr.prefilled.empty());

    box.SetText(FinanceField::Duration, "5");
    box.CalculateDuration();
    EXPECT_EQ(box.text(FinanceField::Duration), "1.00");
    EXPECT_EQ(box.value(FinanceField::Duration), 1.0);

    box.CalculatePresentValue();
    EXPECT_EQ(box.text(FinanceField::PresentValue), "1000.01");

    Fill("-1000", "0", "12", "1", "0");
    box.CalculateFutureValue();
    EXPECT_EQ(box.text(FinanceField::FutureValue), "1126.83");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(FinanceBoxTest, ZeroRateAndDailyPeriods) {
    Fill("1200", "0", "0", "1", "0");
    box.CalculatePayment();
    EXPECT_EQ(box.text(FinanceField::Payment), "-100.00");

    // Daily for 2 years is 730 periods.
    box.SetFrequency(6);
    Fill("0", "0", "0", "2", "-1");
    box.CalculateFutureValue();
    EXPECT_EQ(box.text(FinanceField::FutureValue), "730.00");
}

TEST_F(FinanceBoxTest, ResultsThatRoundToZeroShowAPlainZero) {
    Fill("0", "-0.004", "0", "1", "0");
    box.CalculatePresentValue();
    EXPECT_EQ(box.text(FinanceField::PresentValue), "0");
    Fill("0", "0.004", "0", "1", "0");
    box.CalculatePresentValue();
    EXPECT_EQ(box.text(FinanceField::PresentValue), "0");
}

TEST_F(FinanceBoxTest, NonFiniteResultIsRefusedAndLeavesTheFieldAlone) {
    Fill("1200", "0", "0", "7", "0");
    box.CalculateDuration();  // zero payment at zero rate: division by zero
    ExpectOnlyMessage("Finance Box", FinanceBox::kInvalidInputs);
    EXPECT_EQ(box.text(FinanceField::Duration), "7");
    ASSERT_TRUE(box.focus().has_value());
    EXPECT_EQ(*box.focus(), FinanceField::PresentValue);

    // The next successful command clears the focus request.
    box.SetText(FinanceField::Payment, "-100");
    box.CalculateDuration();
    EXPECT_EQ(box.text(FinanceField::Duration), "1.00");
    EXPECT_FALSE(box.focus().has_value());
}

TEST_F(FinanceBoxTest, RejectedFieldStopsTheCalculationWithOneMessage) {
    Fill("1000", "0", "12", "1", "0");
    box.CalculatePayment();
    ASSERT_EQ(box.text(FinanceField::Payment), "-88.85");

    // The duration is not a number: nothing is calculated with its old value.
    Fill("2000", "0", "12", "abc", "-88.85");
    for (FinanceField command : {FinanceField::Payment, FinanceField::AnnualRate}) {
        prompter.shown.clear();
        box.Calculate(command);
        ExpectOnlyMessage(kApplicationTitle, kPleaseEnterNumber);
        EXPECT_EQ(box.text(FinanceField::Payment), "-88.85");
        EXPECT_EQ(box.text(FinanceField::AnnualRate), "12");
        ASSERT_TRUE(box.focus().has_value());
        EXPECT_EQ(*box.focus(), FinanceField::Duration);
    }
    EXPECT_TRUE(apr.prefilled.empty());
}

TEST(FinanceBoxFormat, HugeResultsInScientificNotation) {
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {0.004, "0"},
        {-0.004, "0"},
        {-88.848788, "-88.85"},
        {999999999999999.0, "999999999999999.00"},
        {1e15, "1.000000000E+015"},
        {-1.23456789012e300, "-1.234567890E+300"},
        {2.5e-7, "0"},
    };
    for (const auto& row : rows) EXPECT_EQ(FinanceBox::FormatResult(row.value), row.text) << row.value;
}

TEST_F(FinanceBoxTest, NoPositiveRateIsReported) {
    Fill("1000", "0", "5", "1", "-80");  // repays less than was lent
    box.CalculateAnnualRate();
    ExpectOnlyMessage("APR Calculation", FinanceBox::kNoInterestRate);
    EXPECT_EQ(box.text(FinanceField::AnnualRate), "5");
    ASSERT_TRUE(box.focus().has_value());
    EXPECT_EQ(*box.focus(), FinanceField::PresentValue);
}

TEST_F(FinanceBoxTest, NonConvergenceAsksForAGuessUntilCancelled) {
    // Same sign for loan and payment: no rate repays it.
    Fill("1000", "0", "3", "1", "100");
    apr.script = {std::string("abc"), std::string("0"), std::string("7.5"), std::nullopt};
    box.CalculateAnnualRate();
    // First dialog: "abc" refused (stays open), "0" accepted. A guess of 0 never
    // converges, so the dialog opens again with 0; 7.5 is accepted and fails
    // too; the third dialog is cancelled.
    ASSERT_EQ(apr.prefilled.size(), 3u);
    EXPECT_EQ(apr.prefilled[0], "10");
    EXPECT_EQ(apr.prefilled[1], "0");
    EXPECT_EQ(apr.prefilled[2], "7.5");
    ExpectOnlyMessage(kApplicationTitle, kPleaseEnterNumber);
    EXPECT_EQ(box.text(FinanceField::AnnualRate), "3");
    EXPECT_EQ(box.guess(), 7.5);

    // The guess is kept for the next command: with solvable inputs it converges.
    Fill("1000", "0", "3", "1", "-88.85");
    box.CalculateAnnualRate();
    EXPECT_EQ(apr.prefilled.size(), 3u);
    EXPECT_EQ(box.text(FinanceField::AnnualRate), "12.00");
}

TEST_F(FinanceBoxTest, ReGuessThatConvergesShowsTheRate) {
    Fill("1000", "0", "3", "1", "100");
    apr.script = {std::string("0"), std::nullopt};
    box.CalculateAnnualRate();
    ASSERT_EQ(box.guess(), 0.0);
    ASSERT_EQ(apr.prefilled.size(), 2u);
    // A guess of 0 no longer stalls a solvable problem: where the secant
    // steps cannot start, the rate is still found, without a new guess.
    Fill("1000", "0", "3", "1", "-88.85");
    box.CalculateAnnualRate();
    EXPECT_EQ(apr.prefilled.size(), 2u);
    EXPECT_EQ(box.text(FinanceField::AnnualRate), "12.00");
}

TEST(AprCalculationDialog, OkSelectsTheTextAndValidatesIt) {
    MemoryPrompter prompter;
    AprCalculation dialog(10.0, prompter);
    EXPECT_EQ(dialog.text(), "10");
    dialog.SetText("1,2x");
    EXPECT_FALSE(dialog.Ok());
    EXPECT_TRUE(dialog.textSelected());
    EXPECT_EQ(dialog.guess(), 10.0);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Please enter a number.");
    dialog.SetText("2.5");
    EXPECT_TRUE(dialog.Ok());
    EXPECT_EQ(dialog.guess(), 2.5);

    MemoryHelpViewer help;
    dialog.Help(help);
    ASSERT_EQ(help.requests.size(), 1u);
    EXPECT_EQ(help.requests[0], "RATE");
}

TEST(NumberFieldReading, AcceptsOnlyWholeFiniteNumbers) {
    double v = 42;
    EXPECT_TRUE(ParseNumberField("  -1.5e3 ", v));
    EXPECT_EQ(v, -1500.0);
    EXPECT_TRUE(ParseNumberField(".5", v));
    EXPECT_EQ(v, 0.5);
    v = 42;
    for (const char* bad : {"", "  ", "abc", "1.5x", "inf", "nan", "0x10", "1e999", "-", "1 2"}) {
        EXPECT_FALSE(ParseNumberField(bad, v)) << bad;
        EXPECT_EQ(v, 42.0) << bad;
    }
    EXPECT_EQ(FormatNumberField(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatNumberField(1e20), "1e+20");
}
