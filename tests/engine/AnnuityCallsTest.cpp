#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestSupport.h"

using namespace quorvix;
using quorvix::test::Calc;
using quorvix::test::Outcome;

namespace {

class AnnuityCallsTest : public ::testing::Test {
protected:
    AnnuityCallsTest() { test::MakeMainEvaluator(e); }
    double Value(const char* text) {
        const Outcome o = Calc(e, text);
        EXPECT_EQ(o.code, kNoError) << text;
        return o.value;
    }
    Evaluator e;
};

}  // namespace

TEST_F(AnnuityCallsTest, ValuesWithDefaultsLeftOut) {
    EXPECT_NEAR(Value("PV(0.01,12,-100)"), 1125.507747, 5e-7);
    EXPECT_NEAR(Value("FV(0.01,12,-100)"), 1268.250301, 5e-7);
    EXPECT_NEAR(Value("PMT(0.01,12,1000)"), -88.84878868, 5e-9);
    EXPECT_NEAR(Value("PMT(0.01,12,1000,0,1)"), -87.9690977, 5e-8);
    EXPECT_NEAR(Value("NPER(0.01,-100,1000)"), 10.58864446, 5e-9);
    EXPECT_NEAR(Value("IPMT(0.01,1,12,1000)"), -10.0, 1e-9);
    EXPECT_NEAR(Value("PPMT(0.01,1,12,1000)"), -78.84878868, 5e-9);
    EXPECT_DOUBLE_EQ(Value("PV(0,12,-100,50)"), 1150.0);
    EXPECT_DOUBLE_EQ(Value("PV(1E-20,12,-100)"), 1200.0);
}

TEST_F(AnnuityCallsTest, TimingIsTruncatedTowardZero) {
    EXPECT_DOUBLE_EQ(Value("PV(0.01,12,-100,0,1.9)"), Value("PV(0.01,12,-100,0,1)"));
    EXPECT_DOUBLE_EQ(Value("PV(0.01,12,-100,0,-0.5)"), Value("PV(0.01,12,-100)"));
    EXPECT_DOUBLE_EQ(Value("FV(0.01,12,-100,0,2)"), Value("FV(0.01,12,-100)") * 1.02);
    // Far outside the integer range the timing counts as 0, not as garbage.
    EXPECT_DOUBLE_EQ(Value("PV(0.01,12,-100,0,1E300)"), Value("PV(0.01,12,-100)"));
}

TEST_F(AnnuityCallsTest, ZeroMeansTheDefaultForGuessAndPeriodsPerYear) {
    EXPECT_NEAR(Value("EFR(0.12)"), 0.1268250301, 5e-11);
    EXPECT_DOUBLE_EQ(Value("EFR(0.12,0)"), Value("EFR(0.12)"));
    EXPECT_DOUBLE_EQ(Value("EFR(0.12,12)"), Value("EFR(0.12)"));
    EXPECT_NEAR(Value("APR(0.1268250301)"), 0.12, 1e-10);
    EXPECT_DOUBLE_EQ(Value("APR(0.1268250301,0)"), Value("APR(0.1268250301)"));
    EXPECT_NEAR(Value("RATE(12,-100,1000)"), 0.02922854077, 5e-12);
    EXPECT_DOUBLE_EQ(Value("RATE(12,-100,1000,0,0,0)"), Value("RATE(12,-100,1000)"));
    EXPECT_NEAR(Value("RATE(12,-100,1000,0,0,0.1)"), 0.02922854077, 5e-12);
}

TEST_F(AnnuityCallsTest, FailuresAreBadArgument) {
    // No rate repays a loan with payments of the same sign.
    EXPECT_EQ(Calc(e, "RATE(12,100,1000)").code, kBadArgument);
    // Division by zero at zero rate and zero payment.
    EXPECT_EQ(Calc(e, "NPER(0,0,1000)").code, kBadArgument);
    EXPECT_EQ(Calc(e, "PV(0.01)").code, kWrongArgumentCount);
    EXPECT_EQ(Calc(e, "RATE(1,2,3,4,5,6,7)").code, kWrongArgumentCount);
    // A failed call evaluates to 0 alongside its error.
    const Outcome o = Calc(e, "RATE(12,100,1000)");
    EXPECT_EQ(o.value, 0.0);
}
