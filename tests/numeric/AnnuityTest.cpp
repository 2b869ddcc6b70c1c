#include <gtest/gtest.h>

#include <cmath>

#include "numeric/Annuity.h"

using namespace quorvix::numeric;

namespace {

// True when `actual` agrees with `expected` to `digits` significant digits,
// i.e. differs by at most half a unit in the last of those digits.
::testing::AssertionResult SameDigits(double actual, double expected, int digits = 10) {
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - (digits - 1));
    if (std::fabs(actual - expected) <= 0.5 * unit * (1 + 1e-12)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << actual << " differs from " << expected << " in the first " << digits << " digits";
}

}  // namespace

TEST(Annuity, OrdinaryRatesToTenDigits) {
    EXPECT_TRUE(SameDigits(PV(0.01, 12, -100), 1125.507747));
    EXPECT_TRUE(SameDigits(FV(0.01, 12, -100), 1268.250301));
    EXPECT_TRUE(SameDigits(PMT(0.01, 12, 1000), -88.84878868));
    EXPECT_TRUE(SameDigits(PMT(0.01, 12, 1000, 0, 1), -87.9690977, 9));
    EXPECT_TRUE(SameDigits(NPER(0.01, -100, 1000), 10.58864446));
}

TEST(Annuity, ZeroRateUsesTheLinearFormulas) {
    EXPECT_DOUBLE_EQ(PV(0, 12, -100, 50), 1150.0);
    EXPECT_DOUBLE_EQ(FV(0, 12, -100, 50), 1150.0);
    EXPECT_DOUBLE_EQ(PMT(0, 12, 1200), -100.0);
    EXPECT_DOUBLE_EQ(NPER(0, -100, 1200), 12.0);
    // A zero payment at zero rate divides by zero; the caller sees a non-finite value.
    EXPECT_FALSE(std::isfinite(NPER(0, 0, 1200)));
}

TEST(Annuity, TinyNonZeroRatesDoNotCancel) {
    // (1+r)^n - 1 rounds to 0 for r = 1e-20 when formed naively.
    EXPECT_DOUBLE_EQ(PV(1e-20, 12, -100), 1200.0);
    EXPECT_DOUBLE_EQ(FV(1e-20, 12, -100), 1200.0);
    EXPECT_DOUBLE_EQ(PMT(1e-20, 12, 1200), -100.0);
    EXPECT_DOUBLE_EQ(NPER(1e-20, -100, 1200), 12.0);
    EXPECT_NEAR(EFR(1e-20, 12), 1e-20, 1e-32);
    EXPECT_NEAR(APR(1e-20, 12), 1e-20, 1e-32);
    // Close to the linear case but with interest taken into account.
    EXPECT_NEAR(PV(1e-9, 12, -100), 1200.0 - 100 * 78 * 1e-9, 1e-9);
}

TEST(Annuity, InterestAndPrincipalPartsSplitThePayment) {
    EXPECT_TRUE(SameDigits(IPMT(0.01, 1, 12, 1000), -10.0));
    EXPECT_TRUE(SameDigits(PPMT(0.01, 1, 12, 1000), -78.84878868));
    EXPECT_NEAR(IPMT(0.01, 1, 12, 1000) + PPMT(0.01, 1, 12, 1000), PMT(0.01, 12, 1000), 1e-12);
    // Later payments carry less interest on a falling balance.
    EXPECT_GT(IPMT(0.01, 6, 12, 1000), IPMT(0.01, 1, 12, 1000));
    for (int per = 1; per <= 12; ++per) {
        EXPECT_NEAR(IPMT(0.01, per, 12, 1000) + PPMT(0.01, per, 12, 1000), PMT(0.01, 12, 1000),
                    1e-12);
    }
}

TEST(Annuity, PrincipalPartsRepayTheLoanWithEitherTiming) {
    // Payments at the start: payment 1 is made before any interest.
    EXPECT_EQ(IPMT(0.01, 1, 12, 1000, 0, 1), 0.0);
    EXPECT_EQ(PPMT(0.01, 1, 12, 1000, 0, 1), PMT(0.01, 12, 1000, 0, 1));
    const struct {
        double rate, nper, pv, fv;
    } loans[] = {{0.01, 12, 1000, 0}, {0.05, 36, 1000, 100}, {-0.01, 24, 500, 0}, {0.2, 360, 1e6, -1e5},
                 {1e-9, 120, 1000, 0}};
    for (const auto& l : loans) {
        for (int type = 0; type <= 1; ++type) {
            const double p = PMT(l.rate, l.nper, l.pv, l.fv, type);
            double principal = 0.0;
            for (int per = 1; per <= l.nper; ++per) {
                const double part = PPMT(l.rate, per, l.nper, l.pv, l.fv, type);
                EXPECT_NEAR(part + IPMT(l.rate, per, l.nper, l.pv, l.fv, type), p, 1e-12 * std::fabs(p));
                principal += part;
            }
            // With payments at the start the last one is a period before fv
            // falls due, so the parts repay pv and fv discounted by a period.
            const double repaid = l.pv + (type == 0 ? l.fv : l.fv / (1.0 + l.rate));
            EXPECT_NEAR(principal, -repaid, 1e-10 * std::fabs(l.pv)) << l.rate << " " << type;
        }
    }
}

TEST(Annuity, GrowthFactorsThatOverflowOrVanish) {
    // (1.05)^1000000 overflows; the payment is its limit rate * pv.
    EXPECT_EQ(PMT(0.05, 1e6, 1000), -50.0);
    EXPECT_TRUE(SameDigits(PV(-0.5, 360, -100), 4.6970851655476665e110, 15));
    EXPECT_TRUE(SameDigits(PV(-0.05, 360, -100), 209185745673.42334, 15));
    // The last principal part: the payment over 1.05.
    EXPECT_TRUE(SameDigits(PPMT(0.05, 1e6, 1e6, 1000), -50.0 / 1.05, 15));
    EXPECT_TRUE(SameDigits(IPMT(0.05, 1e6, 1e6, 1000), -50.0 + 50.0 / 1.05, 14));
    // A future value that truly overflows stays non-finite.
    EXPECT_FALSE(std::isfinite(FV(0.05, 1e6, -100)));
}

TEST(Annuity, TimingEntersOnlyThroughTheFactor) {
    // A type of 2 is used as given: the factor is (1 + 2 * rate).
    EXPECT_NEAR(PV(0.01, 12, -100, 0, 2), PV(0.01, 12, -100) * 1.02, 1e-9);
    EXPECT_NEAR(PV(0.01, 12, -100, 0, 1), PV(0.01, 12, -100) * 1.01, 1e-9);
    EXPECT_NEAR(FV(0.01, 12, -100, 0, 1), FV(0.01, 12, -100) * 1.01, 1e-9);
}

TEST(Annuity, EffectiveAndNominalRates) {
    EXPECT_TRUE(SameDigits(EFR(0.12, 12), 0.1268250301));
    EXPECT_NEAR(APR(0.1268250301, 12), 0.12, 1e-10);
    EXPECT_NEAR(APR(EFR(0.05, 4), 4), 0.05, 1e-15);
    EXPECT_DOUBLE_EQ(EFR(0.06, 1), 0.06);
}

TEST(Annuity, RateConvergesFromDifferentGuesses) {
    RateResult r = RATE(12, -100, 1000, 0, 0, 0.01);
    ASSERT_EQ(r.status, RateStatus::Converged);
    EXPECT_TRUE(SameDigits(r.rate, 0.02922854077));
    r = RATE(12, -100, 1000, 0, 0, 0.1);
    ASSERT_EQ(r.status, RateStatus::Converged);
    EXPECT_TRUE(SameDigits(r.rate, 0.02922854077));
    // The converged rate reproduces the present value.
    EXPECT_NEAR(PV(r.rate, 12, -100), 1000.0, 1e-8);
}

TEST(Annuity, RateStatusCases) {
    // Guess 0: both estimates equal, a flat spot for the secant steps; the
    // scan for a change of sign still finds the rate.
    const RateResult fromZero = RATE(12, -100, 1000, 0, 0, 0.0);
    ASSERT_EQ(fromZero.status, RateStatus::Converged);
    EXPECT_TRUE(SameDigits(fromZero.rate, 0.02922854077));
    // An exact 0 rate is found from any guess, 0 included, as exactly 0.
    for (const double guess : {0.0, 0.01, -0.5, 3.0}) {
        const RateResult zero = RATE(12, -100, 1200, 0, 0, guess);
        ASSERT_EQ(zero.status, RateStatus::Converged) << guess;
        EXPECT_EQ(zero.rate, 0.0);
    }
    // Loan and payment of the same sign: no rate repays it.
    EXPECT_NE(RATE(12, 100, 1000, 0, 0, 0.1 / 12).status, RateStatus::Converged);
    EXPECT_NE(RATE(12, 100, 1000, 0, 0, 0.0).status, RateStatus::Converged);
    EXPECT_NE(RATE(10000, 100, 1000, 0, 0, 0.01).status, RateStatus::Converged);
}

TEST(Annuity, RateWhereTheSecantStepsFail) {
    // Mixed cash flows over long terms: the residual is flat on one side and
    // has a minimum near 0; the rates come from the scan (their digits are
    // checked against mpmath in the engine's reference table).
    for (const double guess : {0.01, 0.0, 0.5}) {
        RateResult r = RATE(8299, 1.3779357, 85144.1, -7950.8, 1, guess);
        ASSERT_EQ(r.status, RateStatus::Converged);
        EXPECT_NEAR(PV(r.rate, 8299, 1.3779357, -7950.8, 1), 85144.1, 1e-9);
        r = RATE(18134, -4.8891419, 60036.7, 28623.0, 1, guess);
        ASSERT_EQ(r.status, RateStatus::Converged);
        EXPECT_NEAR(PV(r.rate, 18134, -4.8891419, 28623.0, 1), 60036.7, 1e-9);
    }
}

TEST(Annuity, RateFromDistantGuesses) {
    // Long terms: the residual is exponential on one side of 0; the
    // iteration still reaches the rate from guesses on either side.
    for (const double guess : {0.01, 0.5, -0.001, 1e-6}) {
        const RateResult r = RATE(10000, -0.15, 1000, 0, 0, guess);
        ASSERT_EQ(r.status, RateStatus::Converged) << guess;
        EXPECT_TRUE(SameDigits(r.rate, 8.741535690441699e-05, 14)) << guess;
    }
}
