#include <gtest/gtest.h>

#include <iterator>

#include "EngineTestSupport.h"

namespace quorvix {
namespace {

using test::Calc;

struct ErrorCase {
    const char* text;
    EvalError code;
    int position;
    int length;
};

class ParseErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ParseErrorTest, CodePositionAndLength) {
    SetSeparators('.', ',');
    Evaluator e;
    test::MakeMainEvaluator(e);
    const ErrorCase& c = GetParam();
    const test::Outcome o = Calc(e, c.text);
    EXPECT_FALSE(o.parsed);
    EXPECT_EQ(o.code, c.code);
    EXPECT_EQ(o.position, c.position);
    EXPECT_EQ(o.length, c.length);
    EXPECT_EQ(e.LastError(), c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseErrorTest,
    ::testing::Values(
        ErrorCase{"SIN 30", kUnrecognizedFunction, 0, 6},
        ErrorCase{"2+FOO", kUnrecognizedFunction, 2, 3},
        ErrorCase{"SIN()", kWrongArgumentCount, 4, 1},
        ErrorCase{"SIN(1,2)", kWrongArgumentCount, 4, 3},
        ErrorCase{"1+LOGN(5)", kWrongArgumentCount, 7, 1},
        ErrorCase{"SIN(30)2", kMissingParenthesis, 7, 1},
        ErrorCase{"SIN", kMissingParenthesis, 3, 1},
        ErrorCase{"3*COS", kMissingParenthesis, 5, 1},
        ErrorCase{"SIN(30", kUnbalancedParenthesis, 3, 1},
        ErrorCase{"((1+2)", kUnbalancedParenthesis, 0, 1},
        ErrorCase{"1+2)", kUnbalancedParenthesis, 3, 1},
        ErrorCase{"(1", kUnbalancedParenthesis, 0, 1},
        ErrorCase{"SUM(1,2", kUnbalancedParenthesis, 3, 1},
        ErrorCase{"2*-3", kDanglingOperator, 1, 1},
        ErrorCase{"2--3", kDanglingOperator, 1, 1},
        ErrorCase{"2^-1", kDanglingOperator, 1, 1},
        ErrorCase{"*3", kDanglingOperator, 0, 1},
        ErrorCase{"3*", kDanglingOperator, 1, 1},
        ErrorCase{"1+2+", kDanglingOperator, 3, 1},
        ErrorCase{"1.2.3", kInvalidNumber, 0, 5},
        ErrorCase{"2+1.2.3", kInvalidNumber, 2, 5},
        ErrorCase{"#", kInvalidNumber, 0, 1},
        ErrorCase{"1E", kInvalidNumber, 0, 2},
        ErrorCase{"4*(1 2)", kInvalidNumber, 3, 3},
        ErrorCase{"$", kUnexpectedCharacter, 0, 1},
        ErrorCase{"2+$", kUnexpectedCharacter, 2, 1},
        ErrorCase{"SQRT(@)", kUnexpectedCharacter, 5, 1},
        ErrorCase{"\"abc", kUnclosedString, 0, 4},
        ErrorCase{"1+\"ab", kUnclosedString, 2, 3}));

class ParserTest : public test::EngineTest {};

TEST_F(ParserTest, BlankBeforeParenthesisIsAllowed) {
    e.setAngleUnit(0);
    const test::Outcome o = Calc(e, "SIN (30)");
    EXPECT_EQ(o.code, kNoError);
    EXPECT_NEAR(o.value, 0.5, 1e-16);
}

TEST_F(ParserTest, RandAndPiNeedNoParentheses) {
    for (const char* text : {"RAND", "RAND()", "RND", "rnd()"}) {
        const test::Outcome o = Calc(e, text);
        EXPECT_EQ(o.code, kNoError) << text;
        EXPECT_GE(o.value, 0.0);
        EXPECT_LT(o.value, 1.0);
    }
    EXPECT_DOUBLE_EQ(Calc(e, "pi").value, 3.141592653589793);
}

TEST_F(ParserTest, SingleQuoteIsAnEmptyStringLiteral) {
    const test::Outcome o = Calc(e, "\"");
    EXPECT_EQ(o.code, kNoError);
    EXPECT_EQ(e.Root().kind, kStringNode);
    EXPECT_TRUE(e.Root().text.empty());
}

TEST_F(ParserTest, ErrorPositionIndexesTheWholeExpression) {
    // Errors deep inside groups and arguments are reported against the
    // text that was passed in.
    const test::Outcome o = Calc(e, "1+(2*(3+SIN(4,5)))");
    EXPECT_EQ(o.code, kWrongArgumentCount);
    EXPECT_EQ(o.position, 12);
    EXPECT_EQ(o.length, 3);
    const test::Outcome p = Calc(e, "MAX(1, 2, 3.3.3)");
    EXPECT_EQ(p.code, kInvalidNumber);
    EXPECT_EQ(p.position, 10);
    EXPECT_EQ(p.length, 6);  // the operand text " 3.3.3" with its blank
    const test::Outcome q = Calc(e, "  (  1.2.3)");
    EXPECT_EQ(q.code, kInvalidNumber);
    EXPECT_EQ(q.position, 5);
}

TEST_F(ParserTest, ExpressionIsUpperCasedAndParsingDoesNotShiftIt) {
    e.SetExpression("sin(1) + abc");
    EXPECT_EQ(e.Expression(), "SIN(1) + ABC");
    EXPECT_EQ(e.Parse(), kUnrecognizedFunction);
    EXPECT_EQ(e.ErrorPosition(), 8);  // an unknown name is reported at its operand's start
    EXPECT_EQ(e.ErrorLength(), 3);
    EXPECT_EQ(e.Expression(), "SIN(1) + ABC");
}

TEST_F(ParserTest, TreeShapeOfACall) {
    e.SetExpression("MAX(1,2,3)");
    ASSERT_EQ(e.Parse(), kNoError);
    const ExprNode& root = e.Root();
    EXPECT_EQ(root.kind, kCallNode);
    EXPECT_EQ(root.functionId, 103);
    ASSERT_TRUE(root.left);
    EXPECT_EQ(root.left->kind, kListNode);
    EXPECT_EQ(root.left->left->value, 1);
    ASSERT_EQ(root.left->right->kind, kListNode);
    EXPECT_EQ(root.left->right->right->value, 3);
}

TEST_F(ParserTest, TreeShapeOfAnOperatorChainIsLeftDeep) {
    e.SetExpression("1-2+3");
    ASSERT_EQ(e.Parse(), kNoError);
    const ExprNode& root = e.Root();
    EXPECT_EQ(root.kind, kCallNode);
    EXPECT_EQ(root.token, "+");
    EXPECT_EQ(root.functionId, 1);
    EXPECT_EQ(root.right->value, 3);
    EXPECT_EQ(root.left->token, "-");
    EXPECT_EQ(root.left->functionId, 2);
    EXPECT_EQ(root.left->left->value, 1);
    EXPECT_EQ(e.Evaluate(), 2);
}

TEST_F(ParserTest, UnitModeParsesEveryNameAsALeaf) {
    e.setUnitMode(true);
    e.SetExpression("square meter/s^2");
    ASSERT_EQ(e.Parse(), kNoError);
    const ExprNode& root = e.Root();
    EXPECT_EQ(root.token, "/");
    EXPECT_EQ(root.left->kind, kSlotNode);
    // Names keep the case they were typed in (the unit rule tells "g" from "G").
    EXPECT_EQ(root.left->token, "square meter");
    EXPECT_EQ(root.right->token, "^");
    EXPECT_EQ(root.right->left->token, "s");
}

TEST_F(ParserTest, MessagesOfTheCodes) {
    const char* const kMessages[] = {
        "No error occurred", "Unbalanced parenthesis", "Invalid character",
        "Unexpected character", "Dangling operator", "Wrong number of arguments",
        "Unrecognized function", "Missing parenthesis", "Invalid number", "Overflow",
        "Division by zero", "Bad argument", "Invalid argument", "Result too large",
        "Unknown error", "Circular reference", "Unknown error",
    };
    for (int code = 1; code < static_cast<int>(std::size(kMessages)); ++code)
        EXPECT_EQ(e.Message(code), kMessages[code]) << "code " << code;
    EXPECT_EQ(ErrorMessage(kNoError), kMessages[0]);
    EXPECT_EQ(e.Message(kUnclosedString), "Unknown error");
    EXPECT_EQ(e.Message(kUnknownMathError), "Unknown error");
    EXPECT_EQ(e.Message(99), "Unknown error");
    EXPECT_EQ(e.Message(kEvaluationCancelled), "Evaluation cancelled");
    EXPECT_EQ(e.Message(kBadArgument), "Bad argument");
    e.SetExpression("1");
    e.Parse();
    e.Evaluate();
    EXPECT_EQ(e.Message(0), "No error occurred");
    Calc(e, "1/0");
    EXPECT_EQ(e.Message(0), "Bad argument");
    Calc(e, "(");
    EXPECT_EQ(e.Message(), "Unbalanced parenthesis");
}

}  // namespace
}  // namespace quorvix
