#include <gtest/gtest.h>

#include "EngineTestSupport.h"

namespace quorvix {
namespace {

using test::Calc;

class OperatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSeparators('.', ',');
        test::MakeMainEvaluator(e);
    }
    double Value(std::string_view text) {
        const test::Outcome o = Calc(e, text);
        EXPECT_EQ(o.code, kNoError) << text;
        return o.value;
    }
    Evaluator e;
};

TEST_F(OperatorTest, PrecedenceAndGrouping) {
    EXPECT_EQ(Value("1+2*3"), 7);
    EXPECT_EQ(Value("2^3^2"), 64);
    EXPECT_EQ(Value("8-3-2"), 3);
    EXPECT_EQ(Value("8/4/2"), 1);
    EXPECT_EQ(Value("-2^2"), -4);
    EXPECT_EQ(Value("3-(-2)"), 5);
    EXPECT_EQ(Value("(1+2)*(3+4)"), 21);
    EXPECT_EQ(Value(""), 0);
    EXPECT_EQ(Value("   "), 0);
}

}  // namespace
}  // namespace quorvix
