#include <gtest/gtest.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <initializer_list>
#include <string>
#include <string_view>

#include "EngineTestSupport.h"
#include "engine/Cancellation.h"

namespace quorvix {
namespace {

using test::Calc;

class RobustnessTest : public test::EngineTest {};

// Built by appending: GCC 12 warns falsely about operator+ on long strings.
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string s;
    for (std::string_view p : parts) s.append(p);
    return s;
}

std::string Repeat(const std::string& piece, int n) {
    std::string s;
    s.reserve(piece.size() * static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) s += piece;
    return s;
}

TEST_F(RobustnessTest, DeepParenthesesAreRefusedAtAParenthesis) {
    const std::string text = Join({Repeat("(", 100000), "1", Repeat(")", 100000)});
    const test::Outcome o = Calc(e, text);
    EXPECT_EQ(o.code, kUnbalancedParenthesis);
    ASSERT_GE(o.position, 0);
    ASSERT_LT(o.position, static_cast<int>(text.size()));
    EXPECT_TRUE(text[static_cast<std::size_t>(o.position)] == '(' ||
                text[static_cast<std::size_t>(o.position)] == ')');
}

TEST_F(RobustnessTest, DeepNestingOfCallsAndSignsIsRefused) {
    for (const std::string& text : {Join({Repeat("SIN(", 50000), "1", Repeat(")", 50000)}),
                                     Join({Repeat("-(", 50000), "1", Repeat(")", 50000)}),
                                     Join({Repeat("2^(", 50000), "1", Repeat(")", 50000)})}) {
        const test::Outcome o = Calc(e, text);
        EXPECT_EQ(o.code, kUnbalancedParenthesis);
        EXPECT_EQ(text[static_cast<std::size_t>(o.position)], '(');
    }
    const test::Outcome o = Calc(e, Join({"3", Repeat("!", 100000)}));
    EXPECT_NE(o.code, kNoError);
    EXPECT_FALSE(o.parsed);
}

TEST_F(RobustnessTest, ModerateNestingStillWorks) {
    const test::Outcome o = Calc(e, Join({Repeat("(1+", 100), "1", Repeat(")", 100)}));
    EXPECT_EQ(o.code, kNoError);
    EXPECT_EQ(o.value, 101);
    const test::Outcome s = Calc(e, Join({Repeat("ABS(", 60), "-2", Repeat(")", 60)}));
    EXPECT_EQ(s.value, 2);
}

TEST_F(RobustnessTest, LongFlatChainsAreComputed) {
    // 100,000 characters: 50,000 ones added up.
    const std::string sum = Join({"1", Repeat("+1", 49999), " "});
    const test::Outcome o = Calc(e, sum);
    EXPECT_EQ(o.code, kNoError);
    EXPECT_EQ(o.value, 50000);
    EXPECT_EQ(e.Evaluate(), 50000);  // and again
    EXPECT_EQ(Calc(e, Join({"2", Repeat("*1", 49999)})).value, 2);
    EXPECT_EQ(Calc(e, Join({"1", Repeat("^1", 49999)})).value, 1);
    EXPECT_EQ(Calc(e, Join({"1", Repeat("-1", 49999)})).value, -49998);
    // A dangling operator at the very end of a long chain.
    const test::Outcome d = Calc(e, Join({sum, "+"}));
    EXPECT_EQ(d.code, kDanglingOperator);
    EXPECT_EQ(d.position, static_cast<int>(sum.size()));
}

TEST_F(RobustnessTest, ExponentialVariableExpansionIsRefused) {
    e.SetVariable("V0", "1");
    for (int i = 1; i <= 40; ++i) {
        const std::string previous = std::to_string(i - 1);
        e.SetVariable(Join({"V", std::to_string(i)}), Join({"V", previous, "+V", previous}));
    }
    EXPECT_EQ(Calc(e, "V10").value, 1024);  // small expansions are fine
    const test::Outcome o = Calc(e, "2*V40");
    EXPECT_EQ(o.code, kOverflow);
    EXPECT_EQ(o.position, 2);
    EXPECT_EQ(o.length, 3);
}

TEST_F(RobustnessTest, LongVariableTextsExpandedOftenAreRefused) {
    e.SetVariable("BIG", Join({Repeat(" ", 100000), "1"}));
    e.SetVariable("MANY", Join({Repeat("BIG+", 99), "BIG"}));
    EXPECT_EQ(Calc(e, "MANY").code, kOverflow);
    e.SetVariable("FEW", "BIG+BIG");
    EXPECT_EQ(Calc(e, "FEW").value, 2);
}

#if defined(__GLIBC__)
// Memory that the parsed tree holds, measured by the allocator.
std::size_t HeapInUse() { return mallinfo2().uordblks; }

TEST_F(RobustnessTest, DeepVariableChainsDoNotMultiplyTheTreesMemory) {
    // A900 = 1+1+...+1 reached through A1 = A2, A2 = A3, ...: every node of
    // the long sum lies 900 expansions deep.
    constexpr int kChain = 900;
    for (int i = 1; i < kChain; ++i)
        e.SetVariable(Join({"A", std::to_string(i)}), Join({"A", std::to_string(i + 1)}));
    e.SetVariable(Join({"A", std::to_string(kChain)}), Join({"1", Repeat("+1", 98999)}));
    const std::size_t before = HeapInUse();
    e.SetExpression("A1");
    ASSERT_EQ(e.Parse(), kNoError);
    const std::size_t held = HeapInUse() - before;
    EXPECT_LT(held, std::size_t{150} << 20) << held;
    EXPECT_EQ(e.Evaluate(), 99000);
    // A chain that closes on itself is still found, however deep.
    e.SetVariable(Join({"A", std::to_string(kChain)}), "2+A1");
    const test::Outcome o = Calc(e, "A1");
    EXPECT_EQ(o.code, kCircularReference);
    EXPECT_EQ(o.position, 0);
    EXPECT_EQ(o.length, 2);
}
#endif

TEST_F(RobustnessTest, OddInputsDoNotCrash) {
    for (const char* text : {"(", ")", ")(", "\"", "\"\"\"", ",", ",,", "#", "%", "!", "E", ".",
                             "1E+", "SUM(,)", "SUM(1,)", "HEX(", "()()", "(()", "\t1", "1\t"}) {
        const test::Outcome o = Calc(e, text);
        if (o.parsed) continue;
        EXPECT_NE(o.code, kNoError) << text;
        EXPECT_GE(o.length, 1) << text;
    }
    EXPECT_EQ(Calc(e, "SUM(,)").value, 0);
}

TEST_F(RobustnessTest, CancellationFlag) {
    ClearEvaluationCancel();
    EXPECT_FALSE(EvaluationCancelRequested());
    RequestEvaluationCancel();
    EXPECT_TRUE(EvaluationCancelRequested());
    // Evaluate() itself leaves the flag to the caller.
    EXPECT_EQ(Calc(e, "1+1").value, 2);
    EXPECT_TRUE(EvaluationCancelRequested());
    ClearEvaluationCancel();
    EXPECT_FALSE(EvaluationCancelRequested());
}

TEST_F(RobustnessTest, CancelRequestStopsAVariableExpansion) {
    // B1 = 1, B2 = B1, ...: a parse that expands hundreds of variables.
    e.SetVariable("B1", "1");
    for (int i = 2; i <= 400; ++i)
        e.SetVariable(Join({"B", std::to_string(i)}), Join({"B", std::to_string(i - 1)}));
    RequestEvaluationCancel();
    const test::Outcome o = Calc(e, "1+B400");
    EXPECT_EQ(o.code, kEvaluationCancelled);
    EXPECT_EQ(o.position, 2);
    EXPECT_EQ(Calc(e, "B3").value, 1);  // a short expansion is not interrupted
    ClearEvaluationCancel();
    EXPECT_EQ(Calc(e, "1+B400").value, 2);
}

}  // namespace
}  // namespace quorvix
