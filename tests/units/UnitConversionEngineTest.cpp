#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/Cancellation.h"
#include "engine/Evaluator.h"
#include "units/ConversionList.h"
#include "units/UnitConversionEngine.h"
#include "UnitTestSupport.h"

namespace quorvix {
namespace {

class ConvertUnitsTest : public ::testing::Test {
protected:
    // The converted value; fails the test when the conversion fails.
    double Convert(double value, std::string_view from, std::string_view to) {
        double result = -12345;
        const EvalError code = engine.ConvertUnits(value, from, to, result);
        EXPECT_EQ(code, kNoError) << from << " -> " << to;
        return result;
    }
    // Whether the conversion fails with "Bad argument" and the result 0.
    bool Refused(double value, std::string_view from, std::string_view to) {
        double result = -12345;
        const EvalError code = engine.ConvertUnits(value, from, to, result);
        return code == kBadArgument && result == 0.0;
    }

    ConversionList list;
    UnitConversionEngine engine{list};
};

// m -> cm -> in -> ft, the first chain in row order.
const double kMeterToFoot = (1.0 / 0.01) * ((1.0 / 2.54) * (1.0 / 12.0));

TEST_F(ConvertUnitsTest, TemperatureScales) {
    EXPECT_EQ(Convert(100, "degC", "degF"), 212.0);
    EXPECT_EQ(Convert(0, "DEGREE C", "degK"), 273.15);
    EXPECT_EQ(Convert(212, "degF", "degC"), 100.0);
    EXPECT_EQ(Convert(32, "degree F", "degree K"), 273.15);
    EXPECT_DOUBLE_EQ(Convert(0, "degK", "degF"), -459.67);
    EXPECT_DOUBLE_EQ(Convert(300, "DegK", "degC"), 300 - 273.15);
    EXPECT_EQ(Convert(-40, "degF", "degC"), -40.0);
    // Two texts for one scale leave the value as it is.
    EXPECT_EQ(Convert(37, "DEGC", "degree C"), 37.0);
    EXPECT_EQ(Convert(37, "  degC ", "degree c"), 37.0);
    // Two blanks make "degree  C" no scale word and no catalogue name.
    EXPECT_TRUE(Refused(1, "degree  C", "degF"));
    // Nothing lies below absolute zero, on any scale, even between equal
    // texts; absolute zero itself converts.
    EXPECT_TRUE(Refused(-500, "degC", "degK"));
    EXPECT_TRUE(Refused(-273.16, " degree C", "degF"));
    EXPECT_TRUE(Refused(-459.68, "DEGF", "degC"));
    EXPECT_TRUE(Refused(-1e-9, "degK", "degK"));
    EXPECT_EQ(Convert(-273.15, "degC", "degK"), 0.0);
    EXPECT_NEAR(Convert(-459.67, "degree F", "degK"), 0.0, 1e-12);
}

TEST_F(ConvertUnitsTest, TemperatureDifferencesUseTheCatalogueRows) {
    // Rankine has no scale word: these are differences, without offsets.
    EXPECT_EQ(Convert(10, "degR", "degF"), 10.0);
    EXPECT_DOUBLE_EQ(Convert(100, "degC", "degR"), 180.0);
    EXPECT_DOUBLE_EQ(Convert(1, "degC/s", "degF/s"), 1.8);
    EXPECT_DOUBLE_EQ(Convert(5, "degree R", "degK"), 5 / 1.8);
}

TEST_F(ConvertUnitsTest, CompoundUnits) {
    EXPECT_EQ(Convert(1, "h", "s"), 3600.0);
    EXPECT_EQ(Convert(1, "km/h", "m/s"), 1000.0 / 3600.0);
    EXPECT_EQ(Convert(36, "KM / H", "m/s"), 36 * (1000.0 / 3600.0));
    EXPECT_EQ(Convert(2, "m^2", "ft^2"), 2 * std::pow(kMeterToFoot, 2));
    EXPECT_NEAR(Convert(2, "m^2", "ft^2"), 21.5278, 1e-4);
    EXPECT_EQ(Convert(1, "m^(2)", "ft^2"), std::pow(kMeterToFoot, 2));
    EXPECT_DOUBLE_EQ(Convert(1, "kg*m^2/s^2", "g*cm^2/ms^2"), 1000.0 * 1e4 / 1e6);
    EXPECT_DOUBLE_EQ(Convert(1, "(mi)/(h)", "(km)/(h)"), 1.609344);
    EXPECT_EQ(Convert(1, "2*m", "2*ft"), kMeterToFoot);
    EXPECT_TRUE(Refused(1, "2*m", "3*ft"));
    EXPECT_TRUE(Refused(1, "m^2", "ft^3"));
    EXPECT_TRUE(Refused(1, "m2", "ft^2"));
    EXPECT_TRUE(Refused(1, "m+ft", "cm+yd"));
    EXPECT_TRUE(Refused(1, "m-ft", "cm-yd"));
    EXPECT_TRUE(Refused(1, "m^x", "ft^x"));    // exponents must be numbers
    EXPECT_TRUE(Refused(1, "m%", "ft%"));      // postfix operators are no units
    EXPECT_TRUE(Refused(1, "\"m\"", "\"ft\""));  // nor are string literals
    EXPECT_TRUE(Refused(1, "km/h", "m/kg"));   // shape matches, h has no chain to kg
    EXPECT_TRUE(Refused(1, "m*(", "ft*("));    // parse errors
    EXPECT_TRUE(Refused(1, "m*", "ft*"));
}

TEST_F(ConvertUnitsTest, NamesAsTheCatalogueHasThem) {
    EXPECT_EQ(Convert(3, "micrometer", "m"), 3e-6);
    EXPECT_EQ(Convert(1, "in", "microinch"), 1e6);
    EXPECT_EQ(Convert(1, "square meter", "m2"), 1.0);
    EXPECT_EQ(Convert(1, "mm Hg", "mmHg"), 1.0);
    EXPECT_TRUE(Refused(1, "mm  Hg", "torr"));  // inner blanks are part of the name
}

TEST_F(ConvertUnitsTest, FluidOunceWithARemarkIsTheUsOunce) {
    const double us = Convert(1, "fluid ounce", "ml");
    EXPECT_NEAR(us, 29.5735295625, 1e-9);
    EXPECT_EQ(Convert(1, "fluid ounce (UK)", "ml"), us);
    EXPECT_NEAR(Convert(1, "UK fluid ounce", "ml"), 28.4130625, 1e-9);
}

TEST_F(ConvertUnitsTest, AcreDiffersFromTheMenuFactorInTheLastBit) {
    const double acre = Convert(1, "acre", "m2");
    EXPECT_EQ(acre, 43560.0 * (144.0 * (6.4516 * 0.0001)));
    EXPECT_NE(acre, 4046.8564224);
    EXPECT_EQ(std::nextafter(acre, 1e9), 4046.8564224);
}

TEST_F(ConvertUnitsTest, PluralRetryAndUnknownNames) {
    EXPECT_EQ(Convert(1, "meters", "feet"), Convert(1, "meter", "feet"));
    EXPECT_NEAR(Convert(1, "meters", "feet"), 3.28084, 1e-5);
    EXPECT_EQ(Convert(2, "Inches", "ft"), 2.0 / 12.0);
    EXPECT_TRUE(Refused(1, "yds", "ft"));
    EXPECT_EQ(Convert(5, "florp", "FLORP"), 5.0);
    EXPECT_EQ(Convert(5, "", ""), 5.0);
    EXPECT_TRUE(Refused(5, "florp", "blarg"));
    EXPECT_TRUE(Refused(5, "", "m"));  // an empty text parses as the number 0
    EXPECT_TRUE(Refused(5, "m", "kg"));
    EXPECT_TRUE(Refused(5, "km", "kilograms"));
}

TEST_F(ConvertUnitsTest, UserConversionsTakePartAsTheyAreAdded) {
    EXPECT_TRUE(Refused(1, "verst", "km"));
    list.AppendUserConversion("verst", "m", 200);
    EXPECT_EQ(Convert(1, "verst", "km"), 0.2);  // continues through row 0
    EXPECT_EQ(Convert(1, "km", "versts"), 1000.0 / 200.0);
    list.AppendUserConversion("league", "verst", 24);
    EXPECT_DOUBLE_EQ(Convert(1, "league", "km"), 4.8);
    list.RemoveUserConversionAt(ConversionList::kFirstUserIndex);
    EXPECT_TRUE(Refused(1, "verst", "km"));
    EXPECT_TRUE(Refused(1, "league", "km"));
}

TEST_F(ConvertUnitsTest, LongProductsNeedNoDeepRecursion) {
    std::string from = "m", to = "ft";
    double expected = kMeterToFoot;
    for (int i = 1; i < 3000; ++i) {
        from += "*m";
        to += "*ft";
        expected = expected * kMeterToFoot;
    }
    double result = 0;
    EXPECT_EQ(engine.ConvertUnits(1e-300, from, to, result), kNoError);
    EXPECT_EQ(result, 1e-300 * expected);
}

TEST_F(ConvertUnitsTest, DenseUserConversionsFailWithinTheBudget) {
    unit_test::AddCompleteUserGraph(list, 40, 3.0);
    // Without the budget this search would not end within any test run; the
    // call returns, having spent exactly the budget.
    EXPECT_TRUE(Refused(1, "u0", "m"));
    EXPECT_EQ(engine.lastSearchCost(), engine.searchBudget());
    // Chains inside the budget are still found, and the catalogue still works.
    EXPECT_EQ(Convert(1, "u0", "u1"), 3.0);
    EXPECT_EQ(Convert(1, "km/h", "m/s"), 1000.0 / 3600.0);
    EXPECT_LT(engine.lastSearchCost(), 1000);
}

TEST_F(ConvertUnitsTest, CancelRequestStopsALongSearch) {
    unit_test::AddCompleteUserGraph(list, 40, 3.0);
    RequestEvaluationCancel();
    double result = -1;
    EXPECT_EQ(engine.ConvertUnits(1, "u0", "m", result), kEvaluationCancelled);
    EXPECT_EQ(result, 0.0);
    EXPECT_LT(engine.lastSearchCost(), 10000);
    EXPECT_EQ(Convert(1, "u0", "u1"), 3.0);  // a short search is not interrupted
    ClearEvaluationCancel();
}

TEST_F(ConvertUnitsTest, SmallerBudgetRefusesLongSearches) {
    engine.setSearchBudget(3);
    EXPECT_TRUE(Refused(1, "acre", "m2"));
    EXPECT_EQ(Convert(1, "km", "m"), 1000.0);  // first row: one visit
    engine.setSearchBudget(kDefaultUnitSearchBudget);
    EXPECT_NE(Convert(1, "acre", "m2"), 0.0);
}

TEST(ConvertFunction, WorksThroughTheEvaluatorWithoutTouchingIt) {
    ConversionList list;
    UnitConversionEngine engine(list);
    Evaluator user;
    user.setUnitConversion(&engine);
    user.setAngleUnit(0);
    user.SetSlotCount(2);
    user.SetSlotName(0, "t");
    user.SetSlotName(1, "ANS");
    user.SetVariable("M", "5");
    user.SetVariable("KM", "7");

    const auto eval = [&user](std::string_view text, double& value) {
        user.SetExpression(text);
        if (user.Parse() != kNoError) return user.LastError();
        value = user.Evaluate();
        return user.LastError();
    };
    double v = 0;
    ASSERT_EQ(eval("CONVERT(1,\"km\",\"m\")", v), kNoError);
    EXPECT_EQ(v, 1000.0);
    ASSERT_EQ(eval("CONV(36, \"km/h\", \"m/s\")", v), kNoError);
    EXPECT_EQ(v, 36 * (1000.0 / 3600.0));
    ASSERT_EQ(eval("2*CONVERTUNIT(100,\"degC\",\"degF\")", v), kNoError);
    EXPECT_EQ(v, 424.0);
    EXPECT_EQ(eval("CONVERT(1,\"m\",\"kg\")", v), kBadArgument);
    EXPECT_EQ(user.Message(), "Bad argument: \"m\" cannot be converted to \"kg\"");
    EXPECT_EQ(eval("CONVERT(1,\"furlongz\",\"m\")", v), kBadArgument);
    EXPECT_EQ(user.Message(), "Bad argument: the unit \"furlongz\" is not understood");
    EXPECT_EQ(eval("SQRT(-1)", v), kBadArgument);
    EXPECT_EQ(user.Message(), "Bad argument");  // no detail left from the last line
    EXPECT_EQ(eval("CONVERT(-500,\"degC\",\"degK\")", v), kBadArgument);
    EXPECT_EQ(user.Message(), "Bad argument: the temperature is below absolute zero");
    // Unit texts keep their typed case through the expression: gram against
    // gauss.
    ASSERT_EQ(eval("convert(1,\"g\",\"kg\")", v), kNoError);
    EXPECT_EQ(v, 0.001);
    ASSERT_EQ(eval("CONVERT(1,\"G\",\"T\")", v), kNoError);
    EXPECT_EQ(v, 1e-4);
    EXPECT_EQ(eval("CONVERT(1,\"kg\",\"tesla\")", v), kBadArgument);
    // The user's settings, variables and expression are its own.
    EXPECT_EQ(user.angleUnit(), 0);
    EXPECT_FALSE(user.unitMode());
    EXPECT_EQ(user.VariableCount(), 2);
    ASSERT_EQ(eval("M+KM", v), kNoError);
    EXPECT_EQ(v, 12.0);
}


// A failed conversion says which unit was not understood, or which two do
// not convert.
TEST(UnitConversionEngine, FailureNamesTheUnitNotUnderstood) {
    ConversionList list;
    UnitConversionEngine engine(list);
    struct Case {
        const char* from;
        const char* to;
        const char* failure;
    };
    const Case cases[] = {
        {"furlongz", "m", "the unit \"furlongz\" is not understood"},
        {"km/h", "m/wobble", "the unit \"wobble\" is not understood"},
        {"m*(", "m", "the unit \"m*(\" is not understood"},
        {"KB", "byte", "the unit \"KB\" is not understood"},
        {"mph", "zzz", "the unit \"zzz\" is not understood"},
        {"m", "kg", "\"m\" cannot be converted to \"kg\""},
        {"mph", "kg", "\"mph\" cannot be converted to \"kg\""},
        {"m^2", "ft^3", "\"m^2\" cannot be converted to \"ft^3\""},
    };
    for (const Case& c : cases) {
        double result = -1;
        EXPECT_EQ(engine.ConvertUnits(1.0, c.from, c.to, result), kBadArgument) << c.from;
        EXPECT_EQ(engine.FailureText(), c.failure);
    }
    double result = 0;
    ASSERT_EQ(engine.ConvertUnits(1.0, "mph", "km/h", result), kNoError);
    EXPECT_EQ(engine.FailureText(), "");
}

}  // namespace
}  // namespace quorvix
