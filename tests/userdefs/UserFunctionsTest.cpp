#include <gtest/gtest.h>

#include "engine/Evaluator.h"
#include "userdefs/UserFunctionCompiler.h"

using namespace quorvix;

namespace {

UserFunction Function(const std::string& name, const std::string& expression, int args) {
    UserFunction f;
    f.name = name;
    f.expression = expression;
    f.minArgs = args;
    f.maxArgs = args;
    return f;
}

// Evaluates text on an evaluator that knows the compiled functions; returns
// the error code and leaves the value in value.
EvalError EvaluateWith(const std::vector<UserFunctionEntry>& compiled, const std::string& text,
              double& value) {
    Evaluator main;
    main.SetSlotCount(2);
    main.SetSlotName(0, "t");
    main.SetSlotName(1, "ANS");
    main.SetSlotValue(1, 42);
    main.setUserFunctions(&compiled);
    main.SetExpression(text);
    const EvalError parse = main.Parse();
    if (parse != kNoError) return parse;
    value = main.Evaluate();
    return main.LastError();
}

}  // namespace

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
    double v = 0;
    ASSERT_EQ(EvaluateWith(compiled, "F(3,4)", v), kNoError);
    EXPECT_EQ(v, 12.0);
    ASSERT_EQ(EvaluateWith(compiled, "hyp(3,4)+twice(5)", v), kNoError);
    EXPECT_EQ(v, 15.0);
    // The function's argument count is exact.
    EXPECT_EQ(EvaluateWith(compiled, "F(3)", v), kWrongArgumentCount);
    // A function body cannot see the caller's ANS.
    std::vector<UserFunctionEntry> usesAns;
    CompileUserFunctions({Function("G", "ans", 0)}, usesAns);
    EXPECT_NE(EvaluateWith(usesAns, "G()", v), kNoError);
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
    double v = -1;
    ASSERT_EQ(EvaluateWith(compiled, "t+ans", v), kNoError);
    EXPECT_EQ(v, 42.0);  // t = 0, ANS = 42
    ASSERT_EQ(EvaluateWith(compiled, "sin(0)", v), kNoError);
    EXPECT_EQ(v, 0.0);
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
    double v = 0;
    EXPECT_EQ(EvaluateWith(compiled, "F(1)", v), kUnrecognizedFunction);
    ASSERT_EQ(EvaluateWith(compiled, "H(1)", v), kNoError);
    EXPECT_EQ(v, 3.0);
}

TEST(CompiledUserFunctions, ArgumentCountsFromFilesAreBounded) {
    std::vector<UserFunctionEntry> compiled;
    CompileUserFunctions({Function("Many", "a+z", 30), Function("Neg", "1", -4)}, compiled);
    EXPECT_EQ(compiled[0].evaluator->SlotCount(), 31);
    EXPECT_EQ(compiled[1].evaluator->SlotCount(), 1);
}
