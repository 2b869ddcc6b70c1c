#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestSupport.h"

namespace quorvix {
namespace {

using test::Calc;

class OperatorTest : public test::EngineTest {};

TEST_F(OperatorTest, PrecedenceAndLeftGrouping) {
    EXPECT_EQ(Value("1+2*3"), 7);
    EXPECT_EQ(Value("2^3^2"), 64);  // powers group from the left
    EXPECT_EQ(Value("8-3-2"), 3);
    EXPECT_EQ(Value("8/4/2"), 1);
    EXPECT_EQ(Value("2*3-4/2+1"), 5);
    EXPECT_EQ(Value("10-2*3^2"), -8);
    EXPECT_EQ(Value("(1+2)*(3+4)"), 21);
    EXPECT_EQ(Value("((((7))))"), 7);
}

TEST_F(OperatorTest, UnaryMinusBindsLoosest) {
    EXPECT_EQ(Value("-2^2"), -4);
    EXPECT_EQ(Value("3-(-2)"), 5);
    EXPECT_EQ(Value("+5"), 5);
    EXPECT_EQ(Value("-3!"), -6);
    EXPECT_EQ(Value("2^(-1)"), 0.5);
    EXPECT_EQ(Value("2*(-3)"), -6);
}

TEST_F(OperatorTest, EmptyAndBlankOperandsAreZero) {
    EXPECT_EQ(Value(""), 0);
    EXPECT_EQ(Value("   "), 0);
    EXPECT_EQ(Value("()"), 0);
    EXPECT_EQ(Value("  4 *  2  "), 8);
}

TEST_F(OperatorTest, PostfixOperators) {
    EXPECT_DOUBLE_EQ(Value("5%*2"), 0.1);  // the split at '*' comes first
    EXPECT_EQ(Value("50%"), 0.5);
    EXPECT_EQ(Value("4!"), 24);
    EXPECT_EQ(Value("3!!"), 720);
    EXPECT_EQ(Value("(1+2)!"), 6);
    EXPECT_EQ(Value("SQR(3)!"), 362880);
}

TEST_F(OperatorTest, ExponentSignsStayInTheLiteral) {
    EXPECT_DOUBLE_EQ(Value("1.5E-3*2"), 0.003);
    EXPECT_EQ(Value("1.5D+2"), 150);
    EXPECT_EQ(Value("2E3-1"), 1999);
    EXPECT_EQ(Value("1E+2+1"), 101);
    EXPECT_EQ(Value(".5+5."), 5.5);
    EXPECT_EQ(Value("#12"), 12);
    EXPECT_EQ(Value("1e2"), 100);  // upper-cased on entry
}

TEST_F(OperatorTest, LiteralUnderflowIsAValueButOverflowIsNot) {
    EXPECT_EQ(Value("1E-400"), 0);
    EXPECT_GT(Value("1E-310"), 0);
    const test::Outcome o = Calc(e, "1E400");
    EXPECT_EQ(o.code, kInvalidNumber);
}

TEST_F(OperatorTest, DivisionByZeroAndOverflowAreBadArgument) {
    EXPECT_EQ(Calc(e, "1/0").code, kBadArgument);
    EXPECT_EQ(Calc(e, "0/0").code, kBadArgument);
    EXPECT_EQ(Calc(e, "10^400").code, kBadArgument);
    EXPECT_EQ(Calc(e, "1E308*10").code, kBadArgument);
    EXPECT_EQ(Calc(e, "(-8)^(1/3)").code, kBadArgument);
    EXPECT_EQ(Calc(e, "0^(-1)").code, kBadArgument);
}

TEST_F(OperatorTest, UnderflowIsAValidResult) {
    EXPECT_EQ(Calc(e, "10^-400").code, kDanglingOperator);  // like 2^-1
    EXPECT_EQ(Value("10^(-400)"), 0);
    EXPECT_EQ(Value("EXP(-1000)"), 0);
    // The underflow inside must not spoil the enclosing result.
    EXPECT_EQ(Value("EXP(-1000)+1"), 1);
    EXPECT_EQ(Value("2*10^(-400)+3"), 3);
    EXPECT_GT(Value("2^(-1070)"), 0);  // subnormal
}

TEST_F(OperatorTest, NumberBases) {
    e.setNumberBase(16);
    EXPECT_EQ(Value("#FF+1"), 256);
    EXPECT_EQ(Value("10"), 16);
    EXPECT_EQ(Value("0X1F"), 31);
    EXPECT_EQ(Value("7FFFFFFF"), 2147483647);
    EXPECT_EQ(Calc(e, "#80000000").code, kInvalidNumber);  // beyond 32 bits
    EXPECT_EQ(Calc(e, "FF+1").code, kUnrecognizedFunction);
    EXPECT_EQ(Calc(e, "1.5").code, kInvalidNumber);
    EXPECT_EQ(Calc(e, "1E-5").code, kInvalidNumber);
    e.setNumberBase(2);
    EXPECT_EQ(Value("101"), 5);
    const test::Outcome bad = Calc(e, "1+102");
    EXPECT_EQ(bad.code, kInvalidNumber);
    EXPECT_EQ(bad.position, 2);
    EXPECT_EQ(bad.length, 3);
    e.setNumberBase(36);
    EXPECT_EQ(Value("#Z"), 35);
    e.setNumberBase(10);
    EXPECT_EQ(Calc(e, "0X10").code, kInvalidNumber);
}

TEST_F(OperatorTest, TrailingTextAfterAGroupIsIgnored) {
    EXPECT_EQ(Value("(2)3"), 2);
    EXPECT_DOUBLE_EQ(Value("PI(2)"), 3.141592653589793);
}

TEST_F(OperatorTest, TreeCanBeEvaluatedAgainWithNewSlotValues) {
    e.SetExpression("t^2+ANS");
    ASSERT_EQ(e.Parse(), kNoError);
    e.SetSlotValue(1, 0.5);
    for (int i = 0; i < 5; ++i) {
        e.SetSlotValue(0, i);
        EXPECT_EQ(e.Evaluate(), i * i + 0.5);
        EXPECT_EQ(e.LastError(), kNoError);
    }
    // A failure is not sticky: the next evaluation succeeds again.
    e.SetExpression("1/t");
    ASSERT_EQ(e.Parse(), kNoError);
    e.SetSlotValue(0, 0);
    EXPECT_EQ(e.Evaluate(), 0);
    EXPECT_EQ(e.LastError(), kBadArgument);
    e.SetSlotValue(0, 4);
    EXPECT_EQ(e.Evaluate(), 0.25);
    EXPECT_EQ(e.LastError(), kNoError);
}

TEST_F(OperatorTest, SlotNamesIgnoreCase) {
    e.SetSlotValue(1, 21);
    EXPECT_EQ(Value("ans*2"), 42);
    EXPECT_EQ(Value("T+ANS"), 21);
}

}  // namespace
}  // namespace quorvix
