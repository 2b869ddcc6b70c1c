#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "units/InsertionFormat.h"
#include "units/PhysicalConstants.h"

namespace quorvix {
namespace {

TEST(PhysicalConstants, RowsAndCaptions) {
    std::set<std::string> names;
    for (int k = 0; k < kPhysicalConstantCount; ++k) {
        const ConstantRecord& c = PhysicalConstantAt(k);
        names.emplace(c.name);
        EXPECT_FALSE(c.unit.empty()) << k;
        EXPECT_LE(c.name.size(), 50u) << k;
        EXPECT_LE(c.unit.size(), 20u) << k;
    }
    EXPECT_EQ(names.size(), 35u);
    EXPECT_EQ(PhysicalConstantCaption(0), "Alpha particle mass (kg)");
    EXPECT_EQ(PhysicalConstantCaption(14), "Gravitational constant (m^3/s^2*kg)");
    EXPECT_EQ(PhysicalConstantCaption(33), "Tau compton wavelength (m)");
    EXPECT_EQ(PhysicalConstantCaption(34), "Universal gas constant (J/mol*K)");
}

TEST(PhysicalConstants, InsertTexts) {
    EXPECT_EQ(PhysicalConstantInsertText(30), "299792458");
    EXPECT_EQ(PhysicalConstantInsertText(18), "-4.49044813E-026");
    EXPECT_EQ(PhysicalConstantInsertText(7), "175881961000");
    EXPECT_EQ(PhysicalConstantInsertText(29), "10973731.568549");
    EXPECT_EQ(PhysicalConstantInsertText(2), "6.02214199E+023");
    EXPECT_EQ(PhysicalConstantInsertText(13), "1.16639E-005");
    EXPECT_EQ(PhysicalConstantInsertText(15), "0.022413996");
    // Every inserted text reads back as the stored value.
    for (int k = 0; k < kPhysicalConstantCount; ++k) {
        const std::string text = PhysicalConstantInsertText(k);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), PhysicalConstantAt(k).value) << text;
    }
}

TEST(InsertionFormat, FifteenDigitsAndThreeDigitExponents) {
    EXPECT_EQ(FormatInsertionValue(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatInsertionValue(1e15), "1E+015");
    EXPECT_EQ(FormatInsertionValue(123456789012345.0), "123456789012345");
    EXPECT_EQ(FormatInsertionValue(0.0001), "0.0001");
    EXPECT_EQ(FormatInsertionValue(0.00001), "1E-005");
    EXPECT_EQ(FormatInsertionValue(1e-300), "1E-300");
    EXPECT_EQ(FormatInsertionValue(-2.5e100), "-2.5E+100");
    EXPECT_EQ(FormatInsertionValue(0.0), "0");
    EXPECT_EQ(FormatInsertionValue(1.0 / 0.45359237), "2.20462262184878");
}

}  // namespace
}  // namespace quorvix
