#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
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
    EXPECT_EQ(PhysicalConstantInsertText(18), "-4.4904483E-026");
    EXPECT_EQ(PhysicalConstantInsertText(7), "-175882001076");
    EXPECT_EQ(PhysicalConstantInsertText(29), "10973731.56816");
    EXPECT_EQ(PhysicalConstantInsertText(2), "6.02214076E+023");
    EXPECT_EQ(PhysicalConstantInsertText(12), "96485.33212331");
    EXPECT_EQ(PhysicalConstantInsertText(15), "0.0224139695450141");
    // Every inserted text reads back as the stored value to its 15 digits.
    for (int k = 0; k < kPhysicalConstantCount; ++k) {
        const std::string text = PhysicalConstantInsertText(k);
        const double value = PhysicalConstantAt(k).value;
        EXPECT_NEAR(std::strtod(text.c_str(), nullptr) / value, 1.0, 5e-15) << text;
    }
}

// CODATA 2018 recommended values as published (physics.nist.gov/constants);
// "..." marks a value that the SI makes exact and the table truncates, which
// the stored value must then match to the digits shown.
struct Codata {
    int row;
    double value;
    bool truncated;
};

TEST(PhysicalConstants, Codata2018Values) {
    const Codata table[] = {
        {0, 6.6446573357e-27, false},   {1, 1.66053906660e-27, false},
        {2, 6.02214076e23, false},      {3, 9.2740100783e-24, false},
        {4, 5.29177210903e-11, false},  {5, 1.380649e-23, false},
        {6, 2.42631023867e-12, false},  {7, -1.75882001076e11, false},
        {8, 2.42631023867e-12, false},  {9, -9.2847647043e-24, false},
        {10, 9.1093837015e-31, false},  {11, 1.602176634e-19, false},
        {12, 96485.33212, true},        {13, 1.1663787e-5, false},
        {14, 6.67430e-11, false},       {15, 22.41396954e-3, true},
        {16, 1.883531627e-28, false},   {17, 1.173444110e-14, false},
        {18, -4.49044830e-26, false},   {19, 1.31959090581e-15, false},
        {20, 1.67492749804e-27, false}, {21, -9.6623651e-27, false},
        {22, 5.0507837461e-27, false},  {23, 1.25663706212e-6, false},
        {24, 8.8541878128e-12, false},  {25, 6.62607015e-34, false},
        {26, 1.32140985539e-15, false}, {27, 1.41060679736e-26, false},
        {28, 1.67262192369e-27, false}, {29, 10973731.568160, false},
        {30, 299792458, false},         {31, 5.670374419e-8, true},
        {32, 3.16754e-27, false},       {33, 6.97771e-16, false},
        {34, 8.314462618, true},
    };
    ASSERT_EQ(std::size(table), static_cast<std::size_t>(kPhysicalConstantCount));
    for (const Codata& c : table) {
        const double stored = PhysicalConstantAt(c.row).value;
        if (c.truncated) {
            EXPECT_NEAR(stored / c.value, 1.0, 1e-9) << PhysicalConstantAt(c.row).name;
        } else {
            EXPECT_EQ(stored, c.value) << PhysicalConstantAt(c.row).name;
        }
    }
    // The SI-derived exact ones, to the last bit of their defining products.
    EXPECT_NEAR(PhysicalConstantAt(12).value / (6.02214076e23 * 1.602176634e-19), 1.0, 3e-16);
    EXPECT_NEAR(PhysicalConstantAt(34).value / (6.02214076e23 * 1.380649e-23), 1.0, 3e-16);
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
