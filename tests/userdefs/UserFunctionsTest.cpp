#include <gtest/gtest.h>

#include "engine/Evaluator.h"
#include "UserDefsTestSupport.h"
#include "userdefs/UserFunctionCompiler.h"

using namespace quorvix;

using test::CalcWith;
using test::Function;

TEST(CompiledUserFunctions, SlotsAreTThenTheArgumentLetters) {
    std::vector<UserFunctionEntry> compiled;
    CompileUserFunctions({Function("F", "a*b+t", 2)}, compiled);
    ASSERT_EQ(compiled.size(), 1u);
    EXPECT_EQ(compiled[0].upperName, "F");
    Evaluator& f = *compiled[0].evaluator;
    ASSERT_EQ(f.SlotCount(), 3);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(f.SlotValue(k), 0.0);
    EXPECT_EQ(UserFunctionSlotName(0), "t");
    EXPECT_EQ(UserFunctionSlotName(1), "a");
    EXPECT_EQ(UserFunctionSlotName(2), "b");
    EXPECT_EQ(UserFunctionSlotName(26), "z");
}

TEST(CompiledUserFunctions, CallsAssignArgumentsToABAndLeaveT) {
    std::vector<UserFunctionEntry> compiled;
    CompileUserFunctions({Function("f", "a*b+t", 2), Function("Hyp", "sqrt(a*a+b*b)", 2),
                          Function("Twice", "2*a", 1)},
                         compiled);
    test::Outcome o = CalcWith(compiled, "F(3,4)", 100.0);
    ASSERT_EQ(o.code, kNoError);
    EXPECT_EQ(o.value, 12.0);  // the caller's t is not the function's t
    o = CalcWith(compiled, "hyp(3,4)+twice(5)");
    ASSERT_EQ(o.code, kNoError);
    EXPECT_EQ(o.value, 15.0);
    // The function's argument count is exact.
    EXPECT_EQ(CalcWith(compiled, "F(3)").code, kWrongArgumentCount);
    // A function body cannot see the caller's ANS.
    std::vector<UserFunctionEntry> usesAns;
    CompileUserFunctions({Function("G", "ans", 0)}, usesAns);
    EXPECT_NE(CalcWith(usesAns, "G()").code, kNoError);
}

TEST(CompiledUserFunctions, NamesThatCannotBeCalledNeverMatch) {
    // Records that only a foreign file could hold: reserved, slot and
    // malformed names, and a built-in name.
    std::vector<UserFunctionEntry> compiled;
    CompileUserFunctions({Function("T", "100", 0), Function("ANS", "100", 0),
                          Function("2x", "100", 0), Function("A B", "100", 0),
                          Function("SIN", "100", 1), Function("", "100", 0)},
                         compiled);
    ASSERT_EQ(compiled.size(), 6u);  // indexes stay parallel to the records
    for (const UserFunctionEntry& e : compiled) EXPECT_EQ(e.upperName, "");
    test::Outcome o = CalcWith(compiled, "t+ans", 1.0, 42.0);
    ASSERT_EQ(o.code, kNoError);
    EXPECT_EQ(o.value, 43.0);
    o = CalcWith(compiled, "sin(0)");
    ASSERT_EQ(o.code, kNoError);
    EXPECT_EQ(o.value, 0.0);
    EXPECT_FALSE(IsCallableUserFunctionName("ans"));
    EXPECT_FALSE(IsCallableUserFunctionName("t"));
    EXPECT_TRUE(IsCallableUserFunctionName("_x1"));
}

TEST(CompiledUserFunctions, RecompilingKeepsTheListObject) {
    std::vector<UserFunctionEntry> compiled;
    const auto* address = &compiled;
    CompileUserFunctions({Function("F", "a", 1)}, compiled);
    CompileUserFunctions({Function("G", "a+1", 1), Function("H", "a+2", 1)}, compiled);
    EXPECT_EQ(&compiled, address);
    ASSERT_EQ(compiled.size(), 2u);
    EXPECT_EQ(compiled[1].upperName, "H");
    EXPECT_EQ(CalcWith(compiled, "F(1)").code, kUnrecognizedFunction);
    const test::Outcome o = CalcWith(compiled, "H(1)");
    ASSERT_EQ(o.code, kNoError);
    EXPECT_EQ(o.value, 3.0);
}

TEST(CompiledUserFunctions, ArgumentCountsFromFilesAreBounded) {
    std::vector<UserFunctionEntry> compiled;
    CompileUserFunctions({Function("Many", "a+z", 30), Function("Neg", "1", -4)}, compiled);
    EXPECT_EQ(compiled[0].evaluator->SlotCount(), 31);
    EXPECT_EQ(compiled[1].evaluator->SlotCount(), 1);
}
