#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <cmath>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "EngineTestSupport.h"
#include "engine/Cancellation.h"

using namespace quorvix;
using quorvix::test::Outcome;

namespace {

class SolverOperators : public ::testing::Test {
protected:
    void SetUp() override {
        ClearEvaluationCancel();
        test::MakeMainEvaluator(ev);
        ev.setAngleUnit(1);  // radians
    }
    void TearDown() override { ClearEvaluationCancel(); }

    Outcome Run(std::string_view line) { return test::Calc(ev, line); }
    double Value(std::string_view line) {
        const Outcome o = Run(line);
        EXPECT_TRUE(o.parsed) << line;
        EXPECT_EQ(o.code, kNoError) << line;
        return o.value;
    }

    Evaluator ev;
};

}  // namespace

TEST_F(SolverOperators, Integrals) {
    EXPECT_NEAR(Value("FINT(t, 0, 1)"), 0.5, 1e-15);
    EXPECT_NEAR(Value("FINT(t^2, 0, 3)"), 9.0, 1e-13);
    EXPECT_EQ(Value("FINT(t^2, 2, 2)"), 0.0);
    EXPECT_NEAR(Value("FINT(SIN(t), 0, PI, 1E-12)"), 2.0, 1e-11);
    EXPECT_NEAR(Value("1 + FINT(EXP(-t^2), 0, 2)"), 1.88208139076242167997, 1e-8);
    // A precision below 1e-15 means 1e-15, not less.
    EXPECT_EQ(Value("FINT(EXP(-t^2), 0, 2, 1E-16)"), Value("FINT(EXP(-t^2), 0, 2, 1E-15)"));
    // An integral that vanishes to rounding is 0.
    EXPECT_EQ(Value("FINT(SIN(t), -1, 1)"), 0.0);
    EXPECT_EQ(Value("FINT(SIN(t), 0, 2*PI)"), 0.0);
}

TEST_F(SolverOperators, IntegralFailuresAreBadArguments) {
    // Divergent: no estimate settles, and 1/t overflows near 0.
    EXPECT_EQ(Run("FINT(1/t, 0, 1)").code, kBadArgument);
    EXPECT_EQ(Run("FINT(1/t^2, -1, 1)").code, kBadArgument);
    // Undefined inside the interval.
    EXPECT_EQ(Run("FINT(LN(t-0.3), 0, 1)").code, kBadArgument);
}

TEST_F(SolverOperators, TKeepsTheLastSample) {
    Value("FINT(t, 0, 1)");
    // The last sample lies inside the interval (the ends are never sampled).
    const double last = Value("t");
    EXPECT_GT(last, 0.0);
    EXPECT_LT(last, 1.0);
    Value("FSUM(t, 1, 3)");
    EXPECT_EQ(Value("t"), 3.0);
}

TEST_F(SolverOperators, NestedIntegralUsesItsOwnRunningEstimate) {
    // ∫₀¹ ∫₀ˢ u du ds = 1/6: the inner upper bound reads the outer t before
    // the inner integral starts sampling.
    EXPECT_NEAR(Value("FINT(FINT(t, 0, t), 0, 1)"), 1.0 / 6.0, 1e-12);
}

TEST_F(SolverOperators, DerivativesByRidders) {
    EXPECT_NEAR(Value("FDIFF(t^3, 2)"), 12.0, 1e-10);
    EXPECT_NEAR(Value("FDIFF(t^2, 3)"), 6.0, 1e-13);
    EXPECT_NEAR(Value("FDIFF(SIN(t), 0)"), 1.0, 1e-12);
    // Zero to rounding is 0, not noise.
    EXPECT_EQ(Value("FDIFF(SIN(t), PI/2)"), 0.0);
    EXPECT_EQ(Value("FDIFF(t^3, 0)"), 0.0);
}

TEST_F(SolverOperators, DerivativeFailures) {
    // Undefined at x itself, though the samples around it are finite; and a
    // jump, where no digit of the estimate is worth showing.
    for (const char* line : {"FDIFF(1/t, 0)", "FDIFF(1/t^2, 0)", "FDIFF(LN(t), 0)", "FDIFF(INT(t), 1)"})
        EXPECT_EQ(Run(line).code, kBadArgument) << line;
    EXPECT_EQ(Value("FDIFF(INT(t), 1.5)"), 0.0);
}

TEST_F(SolverOperators, OneRootByBrent) {
    EXPECT_NEAR(Value("FZERO(t^2-2, 0, 2)"), std::sqrt(2.0), 1e-8);
    EXPECT_NEAR(Value("FZERO(t^2-2, 0, 2, 1E-14)"), std::sqrt(2.0), 1e-14);
    EXPECT_EQ(Run("FZERO(t^2+1, -1, 1)").code, kBadArgument);
    // A root on an end of the interval is returned exactly.
    EXPECT_EQ(Value("FZERO(t-1, 1, 3)"), 1.0);
    EXPECT_EQ(Value("FZERO(t-3, 1, 3)"), 3.0);
    // A sign change across a pole is not a root.
    EXPECT_EQ(Run("FZERO(1/(t-2), 1, 3)").code, kBadArgument);
    EXPECT_EQ(Run("FZERO(TAN(t), 1, 2)").code, kBadArgument);
}

TEST_F(SolverOperators, ZerosSkipPoles) {
    EXPECT_EQ(Run("FZEROS(TAN(t), 1, 2)").text, "No zeros found in the interval [1, 2]");
    EXPECT_EQ(Run("FZEROS(TAN(t), 0.5, 7)").text,
              "2 zero(s) found in the interval [0.5, 7]: \n3.14159\n6.28319");
}

TEST_F(SolverOperators, ZerosOfSineOnTheDefaultGrid) {
    const Outcome o = Run("FZEROS(SIN(t))");
    ASSERT_EQ(o.code, kNoError);
    EXPECT_EQ(o.value, 31.0);
    ASSERT_TRUE(o.hasText);
    const std::string heading = "31 zero(s) found in the interval [-50, 50]: \n";
    ASSERT_EQ(o.text.compare(0, heading.size(), heading), 0) << o.text;
    EXPECT_EQ(o.text.substr(heading.size(), 9), "-47.1239\n");
    EXPECT_EQ(o.text.substr(o.text.size() - 8), "\n47.1239");
    // One root per line.
    EXPECT_EQ(std::count(o.text.begin(), o.text.end(), '\n'), 31);
    // A lone lower bound is ignored.
    EXPECT_EQ(Run("FZEROS(SIN(t), 3)").text, o.text);
}

TEST_F(SolverOperators, ZerosTexts) {
    const Outcome two = Run("FZEROS(t^2-1, -2, 2)");
    EXPECT_EQ(two.code, kNoError);
    EXPECT_EQ(two.value, 2.0);
    EXPECT_EQ(two.text, "2 zero(s) found in the interval [-2, 2]: \n-1\n1");

    const Outcome none = Run("FZEROS(t^2+1, -2, 2)");
    EXPECT_EQ(none.code, kNoError);
    EXPECT_EQ(none.value, 0.0);
    EXPECT_TRUE(none.hasText);
    EXPECT_EQ(none.text, "No zeros found in the interval [-2, 2]");

    // A root exactly at the lower end is skipped by the grid offset.
    EXPECT_EQ(Run("FZEROS(t, 0, 2)").text, "No zeros found in the interval [0, 2]");

    // Inside a larger expression only the count remains.
    EXPECT_EQ(Value("10 + FZEROS(t^2-1, -2, 2)"), 12.0);
}

TEST_F(SolverOperators, ZerosFourthArgumentIsTheStep) {
    // Both roots lie in [0, 0.5], where the default step sees no sign change.
    EXPECT_EQ(Value("FZEROS((t-0.12)*(t-0.23), 0, 1)"), 0.0);
    const Outcome o = Run("FZEROS((t-0.12)*(t-0.23), 0, 1, 0.05)");
    EXPECT_EQ(o.value, 2.0);
    EXPECT_EQ(o.text, "2 zero(s) found in the interval [0, 1]: \n0.12\n0.23");
    // The fifth argument is the precision.
    EXPECT_EQ(Value("FZEROS((t-0.12)*(t-0.23), 0, 1, 0.05, 1E-3)"), 2.0);
}

TEST_F(SolverOperators, ZerosBadIntervals) {
    EXPECT_EQ(Run("FZEROS(t, 2, 1)").code, kBadArgument);
    EXPECT_EQ(Run("FZEROS(t, 1, 1)").code, kBadArgument);
    EXPECT_EQ(Run("FZEROS(t, -1, 1, -0.5)").code, kBadArgument);
    // A step that no longer moves the grid fails at once instead of looping.
    EXPECT_EQ(Run("FZEROS(t, 1E300, 2E300, 1)").code, kBadArgument);
}

TEST_F(SolverOperators, SumsOverArithmeticSequences) {
    EXPECT_EQ(Value("FSUM(t^2, 1, 3)"), 14.0);
    EXPECT_EQ(Value("FSUM(t, 1, 10)"), 55.0);
    EXPECT_EQ(Value("FSUM(t, 10, 1)"), 55.0);
    EXPECT_EQ(Value("FSUM(t, 1, 10, -1)"), 55.0);
    EXPECT_EQ(Value("FSUM(t, 1, 10, 0)"), 55.0);
    EXPECT_EQ(Value("FSUM(t, 5, 5)"), 5.0);
}

TEST_F(SolverOperators, SumTermsAreLowerPlusIndexTimesStep) {
    // t = lower + k step; a last t a unit in the last place beyond upper
    // (3 * 0.1) still counts, one a step beyond does not.
    for (const auto& [line, terms] : {std::pair{"FSUM(1, 0, 1, 0.1)", 11.0}, {"FSUM(1, 0, 0.3, 0.1)", 4.0},
                                      {"FSUM(1, -0.3, 0, 0.1)", 4.0}, {"FSUM(1, 0, 0.35, 0.1)", 4.0},
                                      {"FSUM(1, 0, 0.29, 0.1)", 3.0}, {"FSUM(1, 1, 1E6)", 1e6}}) {
        EXPECT_EQ(Value(line), terms) << line;
    }
    Value("FSUM(t, 0, 1, 0.1)");
    EXPECT_EQ(Value("t"), 1.0);
}

TEST_F(SolverOperators, SumFailures) {
    // A term failing through the maths error indicator.
    EXPECT_EQ(Run("FSUM(LN(t-2), 1, 3)").code, kBadArgument);
    // A term failing with a code set directly on its node is not lost.
    EXPECT_EQ(Run("FSUM(CB(t, 1), 1, 3)").code, kBadArgument);
    // A step too small to move t fails at once instead of looping forever.
    EXPECT_EQ(Run("FSUM(t, 1E300, 2E300, 1)").code, kBadArgument);
}

TEST_F(SolverOperators, PendingCancellationStopsEverySolver) {
    RequestEvaluationCancel();
    for (const char* line : {"FINT(t, 0, 1)", "FDIFF(t^2, 1)", "FZERO(t, -1, 1)",
                             "FZEROS(SIN(t))", "FSUM(t, 0, 1E15)", "1 + FSUM(t, 0, 10)"}) {
        EXPECT_EQ(Run(line).code, kEvaluationCancelled) << line;
    }
    ClearEvaluationCancel();
    EXPECT_EQ(Value("FSUM(t, 1, 10)"), 55.0);
}

TEST_F(SolverOperators, LongSumIsCancelledWhileRunning) {
    std::thread canceller([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        RequestEvaluationCancel();
    });
    const Outcome o = Run("FSUM(t, 0, 1E15)");
    canceller.join();
    EXPECT_EQ(o.code, kEvaluationCancelled);
}

namespace {
int pollHookRuns = 0;
void CancelOnThirdPoll() {
    if (++pollHookRuns == 3) RequestEvaluationCancel();
}
}  // namespace

TEST_F(SolverOperators, PollHookRunsDuringALongSumAndCanCancelIt) {
    pollHookRuns = 0;
    SetCancellationPollHook(&CancelOnThirdPoll);
    const Outcome o = Run("FSUM(t, 0, 1E15)");
    SetCancellationPollHook(nullptr);
    EXPECT_EQ(o.code, kEvaluationCancelled);
    EXPECT_EQ(pollHookRuns, 3);
}

TEST_F(SolverOperators, SolversInsideUserFunctionsSampleTheirOwnT) {
    std::vector<UserFunctionEntry> functions;
    UserFunctionEntry entry;
    entry.upperName = "AREA";
    entry.evaluator = std::make_unique<Evaluator>();
    entry.evaluator->SetSlotCount(2);
    entry.evaluator->SetSlotName(0, "t");
    entry.evaluator->SetSlotName(1, "a");
    entry.evaluator->SetExpression("FINT(t*a, 0, 1)");
    ASSERT_EQ(entry.evaluator->Parse(), kNoError);
    functions.push_back(std::move(entry));
    ev.setUserFunctions(&functions);

    EXPECT_NEAR(Value("AREA(4)"), 2.0, 1e-14);
    // The outer sum's t is the main evaluator's; the body integrates over
    // its own t, so the outer one is left alone between terms.
    EXPECT_NEAR(Value("FSUM(AREA(t), 1, 3)"), 3.0, 1e-14);
    EXPECT_EQ(Value("t"), 3.0);
    ev.setUserFunctions(nullptr);
}
