#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calculator/ResultFormat.h"

namespace quorvix {
namespace {

const std::string kWarning = "  (Warning: truncated from decimal number ";

TEST(BuildNumberPatternTest, DigitsAndFormatGiveThePattern) {
    EXPECT_EQ(BuildNumberPattern(kGeneralFormat, 0), "%.15g");
    EXPECT_EQ(BuildNumberPattern(kScientificFormat, 0), "%.14e");
    EXPECT_EQ(BuildNumberPattern(kGeneralFormat, 10), "%.10g");
    EXPECT_EQ(BuildNumberPattern(kScientificFormat, 1), "%.0e");
    EXPECT_EQ(BuildNumberPattern(kGeneralFormat, 11), "%.11g");
    EXPECT_EQ(BuildNumberPattern(kGeneralFormat, 1), "%.1g");
}

TEST(BuildNumberPatternTest, OutOfRangeDigitsMeanDefault) {
    EXPECT_EQ(BuildNumberPattern(kGeneralFormat, 12), "%.15g");
    EXPECT_EQ(BuildNumberPattern(kGeneralFormat, -3), "%.15g");
    EXPECT_EQ(BuildNumberPattern(kScientificFormat, 99), "%.14e");
}

TEST(FormatResultDecimalTest, GeneralFormatWithTenDigits) {
    const std::string p = BuildNumberPattern(kGeneralFormat, 10);
    EXPECT_EQ(FormatResult(0.1 + 0.2, 10, p), "0.3");
    EXPECT_EQ(FormatResult(123456789012.0, 10, p), "1.23456789E+011");
    EXPECT_EQ(FormatResult(5, 10, p), "5");
    EXPECT_EQ(FormatResult(-2.5, 10, p), "-2.5");
    EXPECT_EQ(FormatResult(0.0001, 10, p), "0.0001");
    EXPECT_EQ(FormatResult(0.00001, 10, p), "1E-005");
    EXPECT_EQ(FormatResult(1e20, 10, p), "1E+020");
    EXPECT_EQ(FormatResult(2.5e-7, 10, p), "2.5E-007");
    EXPECT_EQ(FormatResult(1e-300, 10, p), "1E-300");
    EXPECT_EQ(FormatResult(1.5e308, 10, p), "1.5E+308");
}

TEST(FormatResultDecimalTest, SubnormalsShowOnlyTheDigitsTheyHold) {
    const double tiny = std::numeric_limits<double>::denorm_min();
    const std::string general = BuildNumberPattern(kGeneralFormat, 10);
    const std::string scientific = BuildNumberPattern(kScientificFormat, 10);
    const struct {
        double value;
        const char* general;
        const char* scientific;
    } rows[] = {
        {2 * tiny, "1E-323", "1E-323"},             // 9.88E-324 holds no second digit
        {123 * tiny, "6.1E-322", "6.1E-322"},       // 6.0769E-322: two digits
        {1e-310, "1E-310", "1.000000000E-310"},     // 14 digits held: as any double
        {-3e-320, "-3E-320", "-3.00E-320"},         // 6073 steps: three digits
        {2.2250738585072014e-308, "2.225073859E-308", "2.225073859E-308"},  // normal
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FormatResult(row.value, 10, general), row.general) << row.value;
        EXPECT_EQ(FormatResult(row.value, 10, scientific), row.scientific) << row.value;
    }
}

TEST(FormatResultDecimalTest, DefaultDigits) {
    const std::string p = BuildNumberPattern(kGeneralFormat, 0);
    EXPECT_EQ(FormatResult(std::sqrt(2.0), 10, p), "1.4142135623731");
    // A stored digits value outside the menu's range formats as the default.
    EXPECT_EQ(FormatResult(std::sqrt(2.0), 10, BuildNumberPattern(kGeneralFormat, 12)),
              "1.4142135623731");
    EXPECT_EQ(FormatResult(std::sqrt(2.0), 10, BuildNumberPattern(kGeneralFormat, -3)),
              "1.4142135623731");
}

TEST(FormatResultDecimalTest, ScientificFormat) {
    EXPECT_EQ(FormatResult(1234, 10, BuildNumberPattern(kScientificFormat, 1)), "1E+003");
    EXPECT_EQ(FormatResult(1, 10, BuildNumberPattern(kScientificFormat, 0)),
              "1.00000000000000E+000");
    EXPECT_EQ(FormatResult(-0.000123, 10, BuildNumberPattern(kScientificFormat, 3)),
              "-1.23E-004");
}

TEST(FormatWithPatternTest, WidensEveryExponentAndUpperCases) {
    EXPECT_EQ(FormatWithPattern("%G", 4294967296.0), "4.29497E+009");
    EXPECT_EQ(FormatWithPattern("%.15G", 6.02214076e23), "6.02214076E+023");
    EXPECT_EQ(FormatWithPattern("%.15G", 1e-100), "1E-100");
    EXPECT_EQ(FormatWithPattern("%g", 12.5), "12.5");
}

TEST(FormatWithPatternTest, RefusesPatternsThatAreNotOneFloatConversion) {
    // Anything else falls back to %.15G rather than reaching printf.
    EXPECT_EQ(FormatWithPattern("%s", 2.5), "2.5");
    EXPECT_EQ(FormatWithPattern("%.15g%n", 2.5), "2.5");
    EXPECT_EQ(FormatWithPattern("", 0.5), "0.5");
    EXPECT_EQ(FormatWithPattern("%.999g", 0.5), "0.5");
}

TEST(FormatWithPatternTest, VeryLongFixedOutputIsComplete) {
    const std::string text = FormatWithPattern("%f", 1e300);
    EXPECT_EQ(text.size(), 301u + 7u);
    EXPECT_EQ(text.substr(0, 2), "10");
}

TEST(FormatResultBaseTest, HexadecimalWholeAndFractional) {
    const std::string p = BuildNumberPattern(kGeneralFormat, 10);
    EXPECT_EQ(FormatResult(255, 16, p), "FF");
    EXPECT_EQ(FormatResult(255.5, 16, p), "FF" + kWarning + "255.5)");
    EXPECT_EQ(FormatResult(-1, 16, p), "FFFFFFFF");
    EXPECT_EQ(FormatResult(0, 16, p), "0");
    EXPECT_EQ(FormatResult(4294967296.0, 16, p), "0" + kWarning + "4.29497E+009)");
}

TEST(FormatResultBaseTest, BinaryShowsTwosComplement) {
    const std::string p = BuildNumberPattern(kGeneralFormat, 10);
    EXPECT_EQ(FormatResult(5, 2, p), "101");
    EXPECT_EQ(FormatResult(-1, 2, p), std::string(32, '1'));
    EXPECT_EQ(FormatResult(-2.5, 2, p), std::string(31, '1') + "0" + kWarning + "-2.5)");
}

TEST(FormatResultBaseTest, OtherBasesUseLettersUpToZ) {
    const std::string p = "%.10g";
    EXPECT_EQ(FormatResult(35, 36, p), "Z");
    EXPECT_EQ(FormatResult(36, 36, p), "10");
    EXPECT_EQ(FormatResult(8, 8, p), "10");
    EXPECT_EQ(FormatResult(2147483647, 3, p), "12112122212110202101");
    EXPECT_EQ(UnsignedToBase(4294967295u, 36), "1Z141Z3");
}

TEST(FormatResultBaseTest, ValuesBeyondSixtyFourBitsShowTheMostNegative) {
    // The most negative 64-bit integer has zero low 32 bits.
    EXPECT_EQ(FormatResult(1e30, 16, "%.10g"), "0" + kWarning + "1E+030)");
    EXPECT_EQ(FormatResult(-1e30, 16, "%.10g"), "0" + kWarning + "-1E+030)");
    // Within 64 bits, only the low 32 bits are kept.
    EXPECT_EQ(FormatResult(4294967297.0, 16, "%.10g"), "1" + kWarning + "4.29497E+009)");
    EXPECT_EQ(FormatResult(2147483648.0, 16, "%.10g"), "80000000" + kWarning + "2.14748E+009)");
}

TEST(FormatResultBaseTest, FormatAndDigitsPlayNoPartOutsideBaseTen) {
    EXPECT_EQ(FormatResult(1234, 16, BuildNumberPattern(kScientificFormat, 1)), "4D2");
}

}  // namespace
}  // namespace quorvix
