// The catalogue against the exact unit definitions: the table that
// scripts/reference/units.py generates gives each unit text its kind and its
// value in the SI unit of that kind.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <string_view>

#include "engine/TextRules.h"
#include "units/ConversionList.h"
#include "units/PhysicalConstants.h"
#include "units/TemperatureScales.h"
#include "units/UnitAliases.h"
#include "units/UnitCatalogue.h"
#include "units/UnitConversionEngine.h"
#include "units/UnitText.h"

namespace quorvix {
namespace {

struct ReferenceUnit {
    std::string_view text;
    std::string_view kind;
    double si;  // value in the SI unit of the kind
};

constexpr ReferenceUnit kReference[] = {
#include "UnitReferenceTable.inc"
};

const std::map<std::string_view, const ReferenceUnit*>& ReferenceByText() {
    static const auto* byText = [] {
        auto* m = new std::map<std::string_view, const ReferenceUnit*>;
        for (const ReferenceUnit& u : kReference) m->emplace(u.text, &u);
        return m;
    }();
    return *byText;
}

double RelativeError(double got, double want) { return std::fabs(got - want) / std::fabs(want); }

TEST(UnitReference, EveryRowFactorIsTheExactRatio) {
    const auto& ref = ReferenceByText();
    for (int k = 0; k < kCatalogueRowCount; ++k) {
        const CatalogueRow& row = CatalogueRowAt(k);
        const auto name = ref.find(row.name);
        const auto base = ref.find(row.base);
        ASSERT_TRUE(name != ref.end() && base != ref.end()) << "row " << k;
        EXPECT_EQ(name->second->kind, base->second->kind) << "row " << k;
        EXPECT_LT(RelativeError(row.factor, name->second->si / base->second->si), 5e-16)
            << "row " << k << ": " << row.name << " -> " << row.base;
    }
    // Every catalogue text once, then the 16 texts of the common aliases.
    EXPECT_EQ(ref.size(), 297u + 16u);
    for (int k = 0; k < kNamedAliasCount; ++k) {
        const CatalogueRow& row = NamedAliasAt(k);
        const ReferenceUnit& name = *ref.at(row.name);
        const ReferenceUnit& base = *ref.at(row.base);
        EXPECT_EQ(name.kind, base.kind) << row.name;
        EXPECT_LT(RelativeError(row.factor, name.si / base.si), 5e-16) << row.name;
    }
}

// Every ordered pair of catalogue texts: the same kind converts to the exact
// ratio, whatever chain of rows the search takes; different kinds fail.
TEST(UnitReference, EveryPairConvertsExactlyOrNotAtAll) {
    ConversionList list;
    UnitConversionEngine engine(list);
    int sameKind = 0;
    for (const ReferenceUnit& from : kReference) {
        for (const ReferenceUnit& to : kReference) {
            if (from.text == to.text) continue;
            // Two temperature scale words convert by formula, with offsets.
            if (ClassifyTemperatureScale(from.text) != TemperatureScale::kNone &&
                ClassifyTemperatureScale(to.text) != TemperatureScale::kNone) {
                continue;
            }
            double result = 0;
            const EvalError code = engine.ConvertUnits(1.0, from.text, to.text, result);
            if (from.kind != to.kind) {
                EXPECT_EQ(code, kBadArgument) << from.text << " -> " << to.text;
                continue;
            }
            ++sameKind;
            ASSERT_EQ(code, kNoError) << from.text << " -> " << to.text;
            EXPECT_LT(RelativeError(result, from.si / to.si), 1e-14) << from.text << " -> " << to.text;
        }
    }
    EXPECT_GT(sameKind, 8000);
}

// Names that differ only in case are one unit exactly when the definitions
// say so; the others ("g" and "G") are the case-sensitive names.
TEST(UnitReference, CaseSensitiveNamesAreTheCaseTwinsThatDiffer) {
    for (const ReferenceUnit& a : kReference) {
        for (const ReferenceUnit& b : kReference) {
            if (a.text == b.text || !EqualsIgnoringCase(a.text, b.text)) continue;
            const bool differ = a.kind != b.kind || a.si != b.si;
            EXPECT_EQ(IsCaseSensitiveUnitName(a.text), differ) << a.text << " / " << b.text;
            EXPECT_EQ(UnitNamesMatch(a.text, b.text), !differ) << a.text << " / " << b.text;
        }
    }
}

TEST(UnitReference, CaseRule) {
    ConversionList list;
    UnitConversionEngine engine(list);
    struct Case {
        const char* from;
        const char* to;
        double factor;  // 0: the conversion fails
    };
    const Case cases[] = {
        {"kg", "tesla", 0},        {"KG", "TESLA", 0},       {"g", "kg", 1e-3},
        {"G", "kg", 0},            {"G", "T", 1e-4},         {"g", "G", 0},
        {"g/s", "G/s", 0},         {"GRAM", "g", 1},         {"GAUSS", "G", 1},
        {"KILOWATT", "W", 1000},   {"kw", "kW", 1},          {"FARADAY", "C", 96485.33212331001},
        {"Coulomb", "coulomb", 1}, {"nonesuch", "NONESUCH", 1}, {"m*(", "M*(", 1},
        // Decimal kB/MB beside the catalogue's binary Kb/Mb: another spelling
        // could mean either, so it is not understood.
        {"MB", "Mb", 1e6 / 1048576}, {"kB", "Kb", 1000.0 / 1024}, {"KB", "byte", 0},
        {"mb", "byte", 0},         {"gb", "GB", 1},          {"MEGABYTE", "Mb", 1},
        {"MPH", "KPH", 1.609344},  {"hz", "1/S", 1},         {"Knots", "km/h", 1.852},
    };
    for (const Case& c : cases) {
        double result = -1;
        const EvalError code = engine.ConvertUnits(1.0, c.from, c.to, result);
        if (c.factor == 0) {
            EXPECT_EQ(code, kBadArgument) << c.from << " -> " << c.to;
        } else {
            EXPECT_EQ(code, kNoError) << c.from << " -> " << c.to;
            EXPECT_LT(RelativeError(result, c.factor), 1e-15) << c.from << " -> " << c.to;
        }
    }
}

// One value per quantity: the catalogue's dalton, electron volt and faraday
// are the constants table's atomic mass constant, elementary charge and
// Faraday constant.
TEST(UnitReference, CatalogueAgreesWithTheConstants) {
    const auto& ref = ReferenceByText();
    EXPECT_NEAR(ref.at("dalton")->si / PhysicalConstantAt(1).value, 1.0, 2e-16);
    EXPECT_NEAR(ref.at("eV")->si / PhysicalConstantAt(11).value, 1.0, 2e-16);
    EXPECT_NEAR(ref.at("faraday")->si / PhysicalConstantAt(12).value, 1.0, 2e-16);
    EXPECT_EQ(CatalogueRowAt(128).factor * PhysicalConstantAt(1).value, 1.0);
    EXPECT_EQ(CatalogueRowAt(218).factor, PhysicalConstantAt(11).value);
    EXPECT_EQ(CatalogueRowAt(242).factor, PhysicalConstantAt(12).value);
    EXPECT_EQ(PhysicalConstantAt(6).value, PhysicalConstantAt(8).value);  // Compton wavelength
}

}  // namespace
}  // namespace quorvix
