#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "EngineTestSupport.h"
#include "engine/FunctionDispatch.h"
#include "engine/UnitConversionService.h"

namespace quorvix {
namespace {

using test::Calc;

class SeparatorTest : public ::testing::Test {
protected:
    void SetUp() override { test::MakeMainEvaluator(e); }
    void TearDown() override { SetSeparators('.', ','); }
    Evaluator e;
};

TEST_F(SeparatorTest, CommaDecimalsWithSemicolonArguments) {
    SetSeparators(',', ';');
    EXPECT_EQ(DecimalSeparator(), ',');
    EXPECT_EQ(ArgumentSeparator(), ';');
    EXPECT_EQ(Calc(e, "SUM(1,5;2)").value, 3.5);
    EXPECT_EQ(Calc(e, "2,5*2").value, 5);
    EXPECT_EQ(Calc(e, "1,5E-1").value, 0.15);
    EXPECT_EQ(Calc(e, "1.5").code, kInvalidNumber);
    EXPECT_EQ(Calc(e, "SUM(1,5,2)").code, kInvalidNumber);
}

TEST_F(SeparatorTest, FromTheLocale) {
    InitSeparatorsFromLocale("C");
    EXPECT_EQ(DecimalSeparator(), '.');
    EXPECT_EQ(ArgumentSeparator(), ',');
    bool commaLocale = false;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "nl_NL.UTF-8"}) {
        if (std::setlocale(LC_ALL, name)) {
            InitSeparatorsFromLocale(name);
            commaLocale = true;
            break;
        }
    }
    if (commaLocale) {
        EXPECT_EQ(DecimalSeparator(), ',');
        EXPECT_EQ(ArgumentSeparator(), ';');
        EXPECT_EQ(Calc(e, "SUM(1,5;2)").value, 3.5);
    }
    InitSeparatorsFromLocale("C");
    if (!commaLocale) GTEST_SKIP() << "no locale with a decimal comma installed";
}

// Records what it was asked and answers with a fixed factor.
class FakeConversion : public UnitConversionService {
public:
    EvalError ConvertUnits(double value, std::string_view from, std::string_view to,
                           double& result) override {
        lastFrom = from;
        lastTo = to;
        if (from == "nowhere") return kBadArgument;
        result = value * 1000.0 / 3600.0;
        return kNoError;
    }
    std::string lastFrom, lastTo;
};

class ConvertTest : public SeparatorTest {};

TEST_F(ConvertTest, UnitTextsWithOperatorsStayWhole) {
    SetSeparators('.', ',');
    FakeConversion units;
    e.setUnitConversion(&units);
    EXPECT_EQ(e.unitConversion(), &units);
    const test::Outcome o = Calc(e, "CONVERT(36, \"km/h\", \"m/s\")");
    EXPECT_EQ(o.code, kNoError);
    EXPECT_DOUBLE_EQ(o.value, 10);
    // Unit texts keep the case they were typed in ("g" and "G" differ).
    EXPECT_EQ(units.lastFrom, "km/h");
    EXPECT_EQ(units.lastTo, "m/s");
    EXPECT_DOUBLE_EQ(Calc(e, "1+CONV(3.6, \"a,b(c\", \"x-y+z\")*2").value, 3);
    EXPECT_EQ(units.lastFrom, "a,b(c");
    EXPECT_EQ(units.lastTo, "x-y+z");
    EXPECT_EQ(Calc(e, "CONVERTUNIT(1, \"nowhere\", \"m\")").code, kBadArgument);
    EXPECT_EQ(Calc(e, "CONVERT(1, 2, \"m\")").code, kBadArgument);
}

TEST_F(ConvertTest, UnclosedQuoteIsStillReported) {
    SetSeparators('.', ',');
    FakeConversion units;
    e.setUnitConversion(&units);
    EXPECT_EQ(Calc(e, "CONVERT(1, \"km/h, \"m/s\")").code, kUnclosedString);
    EXPECT_EQ(Calc(e, "CONVERT(1, \"km/h\", \"m/s)").code, kUnclosedString);
}

TEST_F(ConvertTest, NoConversionServiceIsBadArgument) {
    SetSeparators('.', ',');
    EXPECT_EQ(Calc(e, "CONVERT(1, \"km\", \"m\")").code, kBadArgument);
}

TEST(SolverHooksTest, FunctionArgumentIsSampledWithoutParsingAgain) {
    SetSeparators('.', ',');
    Evaluator e;
    test::MakeMainEvaluator(e);
    e.SetExpression("FSUM(t^2+ANS, 1, 3)");
    ASSERT_EQ(e.Parse(), kNoError);
    ExprNode* f = SolverFunctionArgument(e.Root());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->text, "T^2+ANS");
    e.SetSlotValue(1, 0.5);
    double v = 0;
    EXPECT_EQ(SampleFunction(*f, 3, v), kNoError);
    EXPECT_EQ(v, 9.5);
    EXPECT_EQ(e.SlotValue(0), 3);
    e.SetExpression("FZEROS(1/t)");
    ASSERT_EQ(e.Parse(), kNoError);
    f = SolverFunctionArgument(e.Root());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(SampleFunction(*f, 0, v), kBadArgument);
    EXPECT_EQ(SampleFunction(*f, 4, v), kNoError);
    EXPECT_EQ(v, 0.25);
}

}  // namespace
}  // namespace quorvix
