#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "EngineTestSupport.h"

namespace quorvix {
namespace {

using test::Calc;

class FunctionTest : public test::EngineTest {};

TEST_F(FunctionTest, Elementary) {
    EXPECT_EQ(Value("LOGN(2, 8)"), 3);
    EXPECT_EQ(Value("MOD(7, 3)"), 1);
    EXPECT_EQ(Value("MOD(-7, 3)"), -1);
    EXPECT_EQ(Value("INT(-3.7)"), -3);
    EXPECT_EQ(Value("FLOOR(-3.7)"), -4);
    EXPECT_EQ(Value("CEIL(3.2)"), 4);
    EXPECT_EQ(Value("ABS(-2.5)"), 2.5);
    EXPECT_EQ(Value("SQR(-3)"), 9);
    EXPECT_EQ(Value("SQRT(16)"), 4);
    EXPECT_DOUBLE_EQ(Value("EXP(1)"), std::exp(1.0));
    EXPECT_DOUBLE_EQ(Value("LN(10)"), std::log(10.0));
    EXPECT_EQ(Value("LOG(1000)"), 3);
}

TEST_F(FunctionTest, DomainFailuresAreBadArgument) {
    for (const char* text : {"SQRT(-1)", "LN(0)", "LOG(-1)", "MOD(1, 0)", "LOGN(1, 5)", "FACT(-1)",
                             "EXP(1000)"}) {
        EXPECT_EQ(Code(text), kBadArgument) << text;
    }
}

TEST_F(FunctionTest, IntTruncatesOverTheWholeRange) {
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"INT(3E9)", 3e9},          {"INT(-3E9)", -3e9},  {"INT(1E20)", 1e20},
        {"INT(-1E300)", -1e300},    {"INT(4294967297.9)", 4294967297.0},
        {"INT(-2147483648.5)", -2147483648.0},            {"INT(2^52+0.5)", 4503599627370496.0},
        {"INT(-0.5)", 0.0},         {"INT(0.999)", 0.0},
    };
    for (const auto& row : rows) {
        const double v = Value(row.text);
        EXPECT_EQ(v, row.value) << row.text;
        EXPECT_FALSE(std::signbit(v) && v == 0.0) << row.text << " is -0";
    }
    // The 32-bit rule stays with the bitwise and base functions.
    EXPECT_EQ(Value("AND(3E9,-1)"), -1294967296);
    EXPECT_EQ(Calc(e, "DEC(3E9)").text, "-1294967296");
}

TEST_F(FunctionTest, Factorial) {
    EXPECT_NEAR(Value("FACT(170)"), 7.257415615307994e306, 1e292);
    EXPECT_EQ(Value("FACT(3.9)"), 6);
    EXPECT_EQ(Value("FACT(0)"), 1);
    EXPECT_EQ(Value("FACT(1)"), 1);
    EXPECT_EQ(Code("FACT(171)"), kResultTooLarge);
    // Huge arguments do not wrap to small ones.
    EXPECT_EQ(Code("FACT(4294967298)"), kResultTooLarge);
    EXPECT_EQ(Code("FACT(-4294967295)"), kBadArgument);
    EXPECT_EQ(Code("171!"), kResultTooLarge);
    EXPECT_EQ(Code("FACT(-1)"), kBadArgument);
}

TEST_F(FunctionTest, Bitwise) {
    EXPECT_EQ(Value("AND(12, 10)"), 8);
    EXPECT_EQ(Value("OR(12, 10)"), 14);
    EXPECT_EQ(Value("XOR(12, 10)"), 6);
    EXPECT_EQ(Value("NOT(0)"), -1);
    EXPECT_EQ(Value("LSHIFT(1, 33)"), 2);
    EXPECT_EQ(Value("LSHIFT(1, 31)"), -2147483648.0);
    EXPECT_EQ(Value("RSHIFT(-8, 1)"), -4);
    EXPECT_EQ(Value("AND(3E9, -1)"), -1294967296);
}

TEST_F(FunctionTest, BaseConversionTexts) {
    struct Case {
        const char* text;
        const char* digits;
    } cases[] = {
        {"HEX(255)", "ff"},       {"HEX(-1)", "ffffffff"}, {"DEC(-5)", "-5"},
        {"BIN(10)", "1010"},      {"OCT(8)", "10"},        {"CB(35, 36)", "z"},
        {"CB(-2, 2)", "11111111111111111111111111111110"}, {"HEX(0)", "0"},
        {"DEC(-2147483648)", "-2147483648"},               {"HEX(255.9)", "ff"},
    };
    for (const Case& c : cases) {
        const test::Outcome o = Calc(e, c.text);
        EXPECT_EQ(o.code, kNoError) << c.text;
        EXPECT_TRUE(o.hasText) << c.text;
        EXPECT_EQ(o.text, c.digits) << c.text;
    }
    // The value of the call stays its argument.
    EXPECT_EQ(Calc(e, "HEX(255.5)").value, 255.5);
}

TEST_F(FunctionTest, BadBaseFailsWithEmptyText) {
    for (const char* text : {"CB(10, 1)", "CB(10, 37)", "CONVERTBASE(10, -2)"}) {
        const test::Outcome o = Calc(e, text);
        EXPECT_EQ(o.code, kBadArgument) << text;
        EXPECT_EQ(e.ResultText(), "") << text;
    }
}

TEST_F(FunctionTest, OnlyTheRootShowsText) {
    const test::Outcome o = Calc(e, "2+HEX(255)");
    EXPECT_EQ(o.value, 257);
    EXPECT_FALSE(o.hasText);
    EXPECT_TRUE(Calc(e, "(HEX(16))").hasText);
}

TEST_F(FunctionTest, Statistics) {
    EXPECT_EQ(Value("AVE(1, 2)"), 1.5);
    EXPECT_EQ(Value("MAX(3)"), 3);
    EXPECT_EQ(Value("MIN(4, -2, 7)"), -2);
    EXPECT_EQ(Value("MAX(-4, -2, -7)"), -2);  // no padding zeros join in
    EXPECT_EQ(Value("AVE(2, 4, 6)"), 4);
    std::string sum100 = "SUM(1";
    for (int i = 1; i < 100; ++i) sum100 += ",1";
    EXPECT_EQ(Value(sum100 + ")"), 100);
    const test::Outcome o = Calc(e, sum100 + ",1)");
    EXPECT_EQ(o.code, kWrongArgumentCount);
    EXPECT_EQ(o.position, 4);
    EXPECT_EQ(o.length, 201);
}

TEST_F(FunctionTest, OptionalArgumentsReadAsZero) {
    // A list in parentheses as the last argument flattens into the call;
    // the array must not overflow however many values it adds.
    std::string inner = "(1";
    for (int i = 0; i < 150; ++i) inner += ",1";
    const test::Outcome o = Calc(e, "SUM(1," + inner + "))");
    EXPECT_EQ(o.code, kBadArgument);
    EXPECT_EQ(Value("SUM(1,(2,3))"), 6);
}

TEST_F(FunctionTest, TrigonometryInDegrees) {
    e.setAngleUnit(0);
    EXPECT_NEAR(Value("SIN(30)"), 0.5, 0.5 * 2.3e-16);
    EXPECT_DOUBLE_EQ(Value("ARCSIN(1)"), 90);
    EXPECT_DOUBLE_EQ(Value("ACOS(0)"), 90);
    EXPECT_DOUBLE_EQ(Value("ARCCOT(0)"), 90);
    EXPECT_EQ(Code("ARCSEC(0)"), kBadArgument);
    // Poles fail as COT(0) does in radians; exact values are exact.
    for (const char* text : {"TAN(90)", "TAN(-90)", "TAN(270)", "TAN(1E15+170)", "SEC(90)", "SEC(-270)",
                             "CSC(0)", "CSC(180)", "CSC(-360)", "COT(0)", "COT(180)"}) {
        EXPECT_EQ(Code(text), kBadArgument) << text;
    }
    EXPECT_EQ(Value("COS(60)"), 0.5);
    EXPECT_EQ(Value("SEC(60)"), 2.0);
    EXPECT_EQ(Value("SIN(180)"), 0.0);
    EXPECT_FALSE(std::signbit(Value("SIN(180)")));
    EXPECT_DOUBLE_EQ(Value("DEGTORAD(180)"), 3.141592653589793);
    EXPECT_DOUBLE_EQ(Value("RADTODEG(PI)"), 180);
}

TEST_F(FunctionTest, TrigonometryInGradiansAndRadians) {
    e.setAngleUnit(2);
    EXPECT_DOUBLE_EQ(Value("ARCSIN(1)"), 100);
    EXPECT_EQ(Value("SIN(100)"), 1);
    for (const char* text : {"TAN(100)", "TAN(300)", "SEC(100)", "CSC(200)", "COT(400)"}) {
        EXPECT_EQ(Code(text), kBadArgument) << text;
    }
    EXPECT_DOUBLE_EQ(Value("DEGTORAD(180)"), 3.141592653589793);
    e.setAngleUnit(1);
    const double s = Value("SIN(PI)");
    EXPECT_NE(s, 0);
    EXPECT_NEAR(s, 1.2246467991473532e-16, 1e-30);
    EXPECT_GT(Value("TAN(PI/2)"), 1e16);  // radians: pi/2 rounded is no pole
    EXPECT_DOUBLE_EQ(Value("ATAN(1)"), 3.141592653589793 / 4);
    EXPECT_DOUBLE_EQ(Value("DEGTORAD(180)"), 3.141592653589793);
    EXPECT_DOUBLE_EQ(Value("COSH(0)"), 1);  // hyperbolics ignore the unit
}

TEST_F(FunctionTest, InverseHyperbolicsAreAccurate) {
    e.setAngleUnit(0);  // not consulted
    EXPECT_DOUBLE_EQ(Value("ASINH(-1E9)"), -(std::log(2.0) + std::log(1e9)));
    EXPECT_DOUBLE_EQ(Value("ASINH(1E200)"), std::log(2.0) + 200 * std::log(10.0));
    EXPECT_DOUBLE_EQ(Value("ACOSH(1E200)"), std::log(2.0) + 200 * std::log(10.0));
    EXPECT_DOUBLE_EQ(Value("ATANH(1E-20)"), 1e-20);
    EXPECT_DOUBLE_EQ(Value("ASINH(1E-20)"), 1e-20);
    EXPECT_DOUBLE_EQ(Value("ARCSINH(1)"), 0.88137358701954305);
    EXPECT_DOUBLE_EQ(Value("ACOSH(2)"), 1.3169578969248166);
    EXPECT_DOUBLE_EQ(Value("ATANH(0.5)"), 0.54930614433405489);
    EXPECT_DOUBLE_EQ(Value("ASECH(0.5)"), 1.3169578969248166);
    EXPECT_DOUBLE_EQ(Value("ACSCH(-2)"), -0.48121182505960347);
    EXPECT_DOUBLE_EQ(Value("ACSCH(1E-300)"), std::log(2.0) + 300 * std::log(10.0));
    EXPECT_DOUBLE_EQ(Value("ACOTH(2)"), 0.54930614433405489);
    EXPECT_DOUBLE_EQ(Value("ACOTH(-2)"), -0.54930614433405489);
    EXPECT_DOUBLE_EQ(Value("ACSCH(1E20)"), 1e-20);
    EXPECT_DOUBLE_EQ(Value("ACOTH(1E20)"), 1e-20);
}

TEST_F(FunctionTest, InverseSechAndCothKeepTheirDigitsNearOne) {
    // References computed independently at 60 digits (Python's decimal:
    // ln((1 + sqrt(1 - x^2)) / x) and ln((x + 1) / (x - 1)) / 2 on the
    // exact double x), rounded to 17 digits.
    struct Case {
        const char* text;
        double reference;
    } cases[] = {
        {"ASECH(1-7/2^53)", 3.9424766765007252e-08},  {"ASECH(1-1/2^53)", 1.4901161193847656e-08},
        {"ASECH(1-1E-10)", 1.4142136209382968e-05},   {"ASECH(0.999)", 0.044740005477515117},
        {"ASECH(0.5)", 1.3169578969248168},           {"ASECH(0.1)", 2.9932228461263808},
        {"ASECH(1E-5)", 12.206072645505174},          {"ASECH(1E-300)", 691.46867507877369},
        {"ACOTH(1+1/2^52)", 18.36840028483855},       {"ACOTH(-(1+3/2^52))", -17.819094140504497},
        {"ACOTH(1+1E-9)", 10.708206467632994},        {"ACOTH(1.0001)", 4.9517687756431403},
        {"ACOTH(2)", 0.54930614433405489},            {"ACOTH(-10)", -0.10033534773107558},
        {"ACOTH(1E8)", 1e-08},                        {"ACOTH(1E300)", 1e-300},
    };
    for (const Case& c : cases) {
        const double v = Value(c.text);
        EXPECT_LE(std::fabs(v - c.reference), 1e-12 * std::fabs(c.reference)) << c.text << " = " << v;
    }
    EXPECT_EQ(Value("ASECH(1)"), 0);
}

TEST_F(FunctionTest, InverseHyperbolicDomains) {
    for (const char* text : {"ACOSH(0.5)", "ATANH(2)", "ATANH(1)", "ATANH(-1)", "ASECH(2)",
                             "ASECH(0)", "ASECH(-0.5)", "ACSCH(0)", "ACOTH(0.5)", "ACOTH(1)",
                             "ACOTH(0)"}) {
        EXPECT_EQ(Code(text), kBadArgument) << text;
    }
}

TEST_F(FunctionTest, HyperbolicOverflowIsBadArgument) {
    EXPECT_EQ(Code("SINH(1000)"), kBadArgument);
    EXPECT_EQ(Code("CSCH(0)"), kBadArgument);
    EXPECT_DOUBLE_EQ(Value("SECH(0)"), 1);
}

TEST_F(FunctionTest, RandomNumbersStayBelowOne) {
    for (int i = 0; i < 2000; ++i) {
        const double r = Value("RAND");
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
    EXPECT_LT(32767.0 * static_cast<double>(3.0518509e-05f), 1.0);
}

}  // namespace
}  // namespace quorvix
