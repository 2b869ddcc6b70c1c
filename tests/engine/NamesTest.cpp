#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EngineTestSupport.h"

namespace quorvix {
namespace {

using test::Calc;

class NamesTest : public test::EngineTest {};

TEST_F(NamesTest, VariablesAreFormulasParsedAtEachUse) {
    e.SetVariable("A", "2");
    e.SetVariable("b", "a*3");
    EXPECT_EQ(Value("B"), 6);
    EXPECT_EQ(e.SetVariable("a", "5"), 0);  // same variable, case ignored
    EXPECT_EQ(Value("b"), 15);
    EXPECT_EQ(Value("A+B*2"), 35);
    EXPECT_EQ(e.VariableCount(), 2);
    EXPECT_EQ(e.VariableAt(0).name, "A");  // the name as first typed
    EXPECT_EQ(e.FindVariable("B"), "a*3");
    EXPECT_EQ(e.FindVariable("nothing"), "");
}

TEST_F(NamesTest, VariableListEdits) {
    e.SetVariable("X", "1");
    e.SetVariable("Y", "2");
    e.SetVariable("Z", "3");
    e.SetVariableText(1, "20");
    EXPECT_EQ(Value("Y"), 20);
    e.RemoveVariable(0);
    EXPECT_EQ(e.VariableCount(), 2);
    EXPECT_EQ(e.VariableAt(0).name, "Y");
    EXPECT_EQ(Calc(e, "X").code, kUnrecognizedFunction);
    e.RemoveVariable(7);  // out of range: ignored
    e.ClearVariables();
    EXPECT_EQ(e.VariableCount(), 0);
}

TEST_F(NamesTest, VariableSeesSettingsAtTheTimeOfUse) {
    e.SetVariable("H", "10");
    EXPECT_EQ(Value("H"), 10);
    e.setNumberBase(16);
    EXPECT_EQ(Value("H"), 16);
}

TEST_F(NamesTest, CircularReferences) {
    e.SetVariable("A", "A+1");
    test::Outcome o = Calc(e, "2*A");
    EXPECT_EQ(o.code, kCircularReference);
    EXPECT_EQ(o.position, 2);
    EXPECT_EQ(o.length, 1);

    // B = 1 and A = B; then B = A closes a loop.
    e.ClearVariables();
    e.SetVariable("B", "1");
    e.SetVariable("A", "B");
    e.SetVariable("B", "A");
    o = Calc(e, "B");
    EXPECT_EQ(o.code, kCircularReference);
    e.SetVariableText(0, "1");  // the display undoes the assignment
    EXPECT_EQ(Value("B"), 1);
    EXPECT_EQ(Value("A"), 1);
}

TEST_F(NamesTest, UsingAVariableTwiceIsNotCircular) {
    e.SetVariable("A", "3");
    e.SetVariable("B", "A*A+A");
    EXPECT_EQ(Value("B+B"), 24);
}

TEST_F(NamesTest, FailureInAFormulaIsReportedAtTheName) {
    e.SetVariable("LONGNAME", "1.2.3");
    const test::Outcome o = Calc(e, "1+LONGNAME");
    EXPECT_EQ(o.code, kInvalidNumber);
    EXPECT_EQ(o.position, 2);
    EXPECT_EQ(o.length, 8);
    e.SetVariable("P", "(");
    const test::Outcome p = Calc(e, "(P)");
    EXPECT_EQ(p.code, kUnbalancedParenthesis);
    EXPECT_EQ(p.position, 1);
    EXPECT_EQ(p.length, 1);
}

TEST_F(NamesTest, SignAfterANameEndingInDigitAndLetterIsAnOperator) {
    e.SetVariable("R2D", "180/PI");
    e.SetVariable("A1E", "10");
    e.SetVariable("_1D", "4");
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"R2D-1", 180 / 3.141592653589793 - 1}, {"A1E-5", 5},  {"A1E+5", 15},
        {"2*A1E-5", 15},                        {"_1D-1", 3},  {"A1E - 5", 5},
        {"1.5E-3*2", 0.003},                    {"1.5D+2", 150}, {"A1E-1E-1", 9.9},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(Value(c.text), c.value) << c.text;
    // A radix literal after '#' keeps its exponent-looking sign (and fails).
    e.setNumberBase(16);
    EXPECT_EQ(Code("#A1E-5"), kInvalidNumber);
}

TEST_F(NamesTest, LongChainOfVariablesEvaluatesOrOverflowsAtTheName) {
    // A1 = 1, A2 = A1+1, ...: each formula uses the one before it.
    // (Names are built by appending: GCC 12 warns falsely about operator+.)
    const auto name = [](int i) { return std::string("A").append(std::to_string(i)); };
    constexpr int kChain = 5000;
    e.SetVariable("A1", "1");
    for (int i = 2; i <= kChain; ++i) e.SetVariable(name(i), name(i - 1).append("+1"));
    EXPECT_EQ(Value("A300"), 300);
    for (int i : {600, 2000, kChain}) {
        const test::Outcome o = Calc(e, std::string("2*").append(name(i)));
        if (o.code == kNoError) {
            EXPECT_EQ(o.value, 2 * i);
            continue;
        }
        EXPECT_EQ(o.code, kOverflow) << i;
        EXPECT_EQ(o.position, 2) << i;
        EXPECT_EQ(o.length, static_cast<int>(name(i).size())) << i;
    }
}

TEST_F(NamesTest, BuiltinNamesWinOverVariables) {
    e.SetVariable("RND", "5");
    const double r = Value("RND");
    EXPECT_LT(r, 1.0);
    e.SetVariable("PIE", "5");
    EXPECT_EQ(Value("PIE"), 5);
}

TEST_F(NamesTest, EvaluationFailureLeavesSlotsAlone) {
    e.SetSlotValue(1, 5);
    EXPECT_EQ(Calc(e, "1/0").code, kBadArgument);
    EXPECT_EQ(e.SlotValue(1), 5);
    EXPECT_EQ(e.SlotValue(9), 0);  // no such slot
}

TEST_F(NamesTest, ValidNames) {
    for (const char* name : {"_x1", "Rnd", "x", "Name_2", "CONVERT", "TT", "PIE"})
        EXPECT_TRUE(Evaluator::IsValidName(name)) << name;
    for (const char* name : {"ABS", "rand", "2X", "", "A B", "t", "T", "pi", "hex", "ConvertBase",
                             "x-1", "FZEROS", "rshift"})
        EXPECT_FALSE(Evaluator::IsValidName(name)) << name;
}

class UserFunctionTest : public NamesTest {
protected:
    // Adds a user function with the given parameters (slots t, a, b, ...).
    void Add(const std::string& name, int parameters, const std::string& body) {
        UserFunctionEntry entry;
        entry.upperName = name;
        entry.evaluator = std::make_unique<Evaluator>();
        entry.evaluator->SetSlotCount(parameters + 1);
        entry.evaluator->SetSlotName(0, "t");
        for (int i = 1; i <= parameters; ++i)
            entry.evaluator->SetSlotName(i, std::string(1, static_cast<char>('a' + i - 1)));
        entry.evaluator->SetExpression(body);
        functions.push_back(std::move(entry));
        e.setUserFunctions(&functions);
    }
    std::vector<UserFunctionEntry> functions;
};

TEST_F(UserFunctionTest, CallsWriteArgumentsIntoSlots) {
    Add("F", 2, "a*b+1");
    Add("NOARGS", 0, "42");
    EXPECT_EQ(Value("F(2, 3)"), 7);
    EXPECT_EQ(Value("f(1,1)*2"), 4);
    EXPECT_EQ(Value("NOARGS()"), 42);
    EXPECT_EQ(functions[0].evaluator->SlotValue(2), 1);
    const test::Outcome o = Calc(e, "F(2)");
    EXPECT_EQ(o.code, kWrongArgumentCount);
    EXPECT_EQ(o.position, 2);
}

TEST_F(UserFunctionTest, FailuresInTheBodyFailTheCall) {
    Add("ROOT", 1, "SQRT(a)");
    Add("BADBASE", 1, "CB(a, 1)");
    Add("BROKEN", 1, "a+");
    EXPECT_EQ(Value("ROOT(9)"), 3);
    EXPECT_EQ(Calc(e, "ROOT(-1)").code, kBadArgument);
    EXPECT_EQ(Calc(e, "1+BADBASE(5)").code, kBadArgument);
    EXPECT_EQ(Calc(e, "BROKEN(1)").code, kBadArgument);
}

TEST_F(UserFunctionTest, InvalidOrReservedNamesNeverMatch) {
    Add("ANS", 0, "1");
    Add("T", 0, "2");
    Add("2X", 0, "3");
    e.SetSlotValue(1, 9);
    EXPECT_EQ(Value("ANS"), 9);
    EXPECT_EQ(Calc(e, "2X()").code, kInvalidNumber);
}

TEST_F(UserFunctionTest, BodyKeepsItsOwnSlotZero) {
    Add("G", 1, "t+a");
    functions[0].evaluator->SetSlotValue(0, 100);
    e.SetSlotValue(0, 5);
    EXPECT_EQ(Value("G(1)"), 101);
}

}  // namespace
}  // namespace quorvix
