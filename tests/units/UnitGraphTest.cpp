#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "UnitTestSupport.h"
#include "units/ConversionList.h"
#include "units/UnitCatalogue.h"
#include "units/UnitGraph.h"
#include "units/UnitText.h"
#include "units/UnitTree.h"

namespace quorvix {
namespace {

// The lookup as a plain recursive walk of the whole list, row by row: the
// yardstick that the indexed, iterative search must agree with bit for bit.
// Names match by the case rule.
bool ReferenceLookup(const ConversionList& list, const std::string& from, const std::string& to,
                     std::vector<int>& path, double& factor) {
    if (UnitNamesMatch(from, to)) {
        factor = 1.0;
        return true;
    }
    for (int r = 0; r < list.size(); ++r) {
        bool onPath = false;
        for (int p : path) onPath = onPath || p == r;
        if (onPath) continue;
        const UnitRecord& row = list.at(r);
        double f = 0;
        if (UnitNamesMatch(from, row.name)) {
            if (UnitNamesMatch(to, row.base)) {
                factor = row.factor;
                return true;
            }
            path.push_back(r);
            const bool found = ReferenceLookup(list, row.base, to, path, f);
            path.pop_back();
            if (found) {
                factor = row.factor * f;
                return true;
            }
        } else if (UnitNamesMatch(from, row.base)) {
            if (UnitNamesMatch(to, row.name)) {
                factor = 1.0 / row.factor;
                return true;
            }
            path.push_back(r);
            const bool found = ReferenceLookup(list, row.name, to, path, f);
            path.pop_back();
            if (found) {
                factor = (1.0 / row.factor) * f;
                return true;
            }
        }
    }
    return false;
}

double Factor(const UnitGraph& graph, std::string_view from, std::string_view to) {
    double f = -1;
    std::int64_t budget = kDefaultUnitSearchBudget;
    EXPECT_EQ(graph.Lookup(from, to, f, budget), UnitLookupResult::kFound) << from << " -> " << to;
    return f;
}

bool Connected(const UnitGraph& graph, std::string_view from, std::string_view to) {
    double f = 0;
    std::int64_t budget = kDefaultUnitSearchBudget;
    return graph.Lookup(from, to, f, budget) == UnitLookupResult::kFound;
}

TEST(UnitGraph, FirstChainInRowOrderDecidesTheFactor) {
    ConversionList list;
    UnitGraph graph(list);
    // "g" is the gram of row 123 and "G" the gauss of row 252.
    EXPECT_EQ(Factor(graph, "g", "kg"), 1.0 / 1000.0);
    EXPECT_EQ(Factor(graph, "G", "tesla"), 1.0 / 10000.0);
    // "micrometer" meets row 6 (to m) before row 38 (alias of micron).
    EXPECT_EQ(Factor(graph, "micrometer", "m"), 1e-6);
    EXPECT_EQ(Factor(graph, "MICROMETER", "micron"), 1.0);
    // Rows 95, 94, 93, 92, 86, 83, multiplied innermost first.
    EXPECT_EQ(Factor(graph, "fluid ounce", "ml"),
              (1 / 4.0) * ((1 / 4.0) * ((1 / 2.0) * ((1 / 4.0) * (3.785411784 * 1000.0)))));
    // Rows 61, 60, 55, 53: one binary digit away from the menu's 4046.8564224.
    const double acre = Factor(graph, "acre", "m2");
    EXPECT_EQ(acre, 43560.0 * (144.0 * (6.4516 * 0.0001)));
    EXPECT_NE(acre, 4046.8564224);
    EXPECT_EQ(std::nextafter(acre, 1e9), 4046.8564224);
    // m -> cm -> in -> ft.
    EXPECT_EQ(Factor(graph, "m", "ft"), (1.0 / 0.01) * ((1.0 / 2.54) * (1.0 / 12.0)));
    EXPECT_EQ(Factor(graph, "h", "s"), 60.0 * 60.0);
    EXPECT_EQ(Factor(graph, "KM", "M"), 1000.0);
    EXPECT_EQ(Factor(graph, "degR", "degF"), 1.0);
    EXPECT_EQ(Factor(graph, "degC", "degR"), 1.8 * (1.0 / 1.0));
}

TEST(UnitGraph, KnownQuantitiesAcrossGroups) {
    ConversionList list;
    UnitGraph graph(list);
    EXPECT_DOUBLE_EQ(Factor(graph, "mile", "km"), 1.609344);
    EXPECT_DOUBLE_EQ(Factor(graph, "pound", "g"), 453.59237);
    EXPECT_DOUBLE_EQ(Factor(graph, "atmosphere", "pascal"), 101325.0);
    EXPECT_DOUBLE_EQ(Factor(graph, "Gradient", "Radian"), 0.9 / (180.0 / M_PI));
    EXPECT_DOUBLE_EQ(Factor(graph, "Megabyte", "bit"), 1024.0 * 1024.0 * 8.0);
    EXPECT_DOUBLE_EQ(Factor(graph, "square mile", "acre"), 640.0);
    EXPECT_DOUBLE_EQ(Factor(graph, "cubic foot", "liter"), 28.316846592);
    EXPECT_DOUBLE_EQ(Factor(graph, "kilowatt hour", "kilojoule"), 3600.0);
    EXPECT_DOUBLE_EQ(Factor(graph, "horsepower", "kw"), 0.73549875);
    EXPECT_DOUBLE_EQ(Factor(graph, "curie", "Bq"), 3.7e10);
    EXPECT_DOUBLE_EQ(Factor(graph, "long ton", "kg"), 2240 * 0.45359237);
    EXPECT_DOUBLE_EQ(Factor(graph, "year", "second"), 365.25 * 86400);
}

TEST(UnitGraph, UnknownAndUnconnectedNames) {
    ConversionList list;
    UnitGraph graph(list);
    EXPECT_EQ(Factor(graph, "wibble", "WIBBLE"), 1.0);  // equal texts, known or not
    EXPECT_FALSE(Connected(graph, "wibble", "wobble"));
    EXPECT_FALSE(Connected(graph, "m", "wobble"));
    EXPECT_FALSE(Connected(graph, "wobble", "m"));
    EXPECT_FALSE(Connected(graph, "m", "kg"));
    EXPECT_FALSE(Connected(graph, "yds", "ft"));
    EXPECT_FALSE(Connected(graph, "Radian", "Kilobyte"));
    EXPECT_EQ(graph.FindUnit("COULOMB"), graph.FindUnit("coulomb"));
    EXPECT_EQ(graph.FindUnit("nonesuch"), -1);
    EXPECT_FALSE(Connected(graph, "g", "G"));
    EXPECT_EQ(graph.UnitCount(), 295 + 7);  // and the units of the named aliases
}

TEST(UnitGraph, PluralAndPeriodRetry) {
    ConversionList list;
    UnitGraph graph(list);
    double f = 0;
    std::int64_t budget = kDefaultUnitSearchBudget;
    EXPECT_EQ(LookupUnitName(graph, "meters", "feet", f, budget), UnitLookupResult::kFound);
    EXPECT_EQ(f, Factor(graph, "meter", "feet"));
    // Both names are stripped for the retry: "inches" becomes "inche".
    EXPECT_EQ(LookupUnitName(graph, "ft.", "in", f, budget), UnitLookupResult::kFound);
    EXPECT_EQ(f, 12.0);
    EXPECT_EQ(LookupUnitName(graph, "ft.", "inches", f, budget), UnitLookupResult::kNotFound);
    // "yds" is too short to lose its s; "miles." loses only the period.
    EXPECT_EQ(LookupUnitName(graph, "yds", "ft", f, budget), UnitLookupResult::kNotFound);
    EXPECT_EQ(LookupUnitName(graph, "miles.", "mi", f, budget), UnitLookupResult::kNotFound);
    EXPECT_EQ(StripPluralOrPeriod("miles."), "miles");
    EXPECT_EQ(StripPluralOrPeriod("SECS"), "SEC");
    EXPECT_EQ(StripPluralOrPeriod("yds"), "yds");
    EXPECT_EQ(StripPluralOrPeriod("."), ".");
    EXPECT_EQ(StripPluralOrPeriod("s."), "s");
}

TEST(UnitGraph, UserConversionChainsIntoTheCatalogue) {
    ConversionList list;
    list.AppendUserConversion("verst", "m", 200);
    UnitGraph graph(list);
    EXPECT_EQ(Factor(graph, "verst", "km"), 200.0 * (1.0 / 1000.0));
    EXPECT_EQ(Factor(graph, "km", "verst"), 1000.0 * (1.0 / 200.0));
}

TEST(UnitGraph, BuiltInSearchesStayFarBelowTheBudget) {
    // Every ordered pair of catalogue units, connected or not.
    ConversionList list;
    UnitGraph graph(list);
    std::vector<std::string> units;
    for (int k = 0; k < kCatalogueRowCount; ++k) {
        units.emplace_back(CatalogueRowAt(k).name);
        units.emplace_back(CatalogueRowAt(k).base);
    }
    std::int64_t worst = 0;
    for (const std::string& a : units) {
        for (const std::string& b : units) {
            double f = 0;
            std::int64_t budget = kDefaultUnitSearchBudget;
            ASSERT_NE(graph.Lookup(a, b, f, budget), UnitLookupResult::kBudgetExhausted);
            worst = std::max(worst, kDefaultUnitSearchBudget - budget);
        }
    }
    EXPECT_GT(worst, 0);
    EXPECT_LT(worst * 1000, kDefaultUnitSearchBudget) << worst;
    RecordProperty("WorstBuiltInSearchCost", static_cast<int>(worst));
}

TEST(UnitGraph, AgreesWithTheRowByRowWalk) {
    // Random user rows over a few names, some of them units of two small
    // catalogue groups (angle, data size), give cycles, self-rows and
    // parallel rows.
    const std::vector<std::string> names{"Degree", "A", "a", "b", "c", "d", "BIT"};
    std::mt19937 rng(12345);
    for (int trial = 0; trial < 200; ++trial) {
        ConversionList list;
        const int rows = 2 + trial % 6;
        for (int i = 0; i < rows; ++i) {
            const auto& n = names[rng() % names.size()];
            const auto& b = names[rng() % names.size()];
            list.AppendUserConversion(n, b, 0.5 + (rng() % 1000) / 7.0);
        }
        UnitGraph graph(list);
        for (const auto& from : names) {
            for (const auto& to : {std::string("Radian"), std::string("a"), std::string("E"),
                                   std::string("Kb"), std::string("zz")}) {
                std::vector<int> path;
                double expected = 0;
                const bool found = ReferenceLookup(list, from, to, path, expected);
                double f = 0;
                std::int64_t budget = kDefaultUnitSearchBudget;
                const UnitLookupResult r = graph.Lookup(from, to, f, budget);
                ASSERT_EQ(r, found ? UnitLookupResult::kFound : UnitLookupResult::kNotFound)
                    << trial << ' ' << from << "->" << to;
                if (found) {
                    ASSERT_EQ(f, expected) << trial << ' ' << from << "->" << to;
                }
            }
        }
    }
}

TEST(UnitGraph, DenseUserGraphExhaustsTheBudgetInsteadOfRunningForHours) {
    // 40 units, every pair joined: the simple chains out of u0 number
    // beyond counting, and none reaches "m".
    ConversionList list;
    unit_test::AddCompleteUserGraph(list, 40, 2.0);
    ASSERT_EQ(list.UserConversionCount(), 780);
    UnitGraph graph(list);
    double f = 0;
    std::int64_t budget = 100000;
    EXPECT_EQ(graph.Lookup("u0", "m", f, budget), UnitLookupResult::kBudgetExhausted);
    EXPECT_EQ(budget, 0);
    // Direct rows are still found, in both directions, and the catalogue
    // part of the graph is unaffected.
    budget = kDefaultUnitSearchBudget;
    ASSERT_EQ(graph.Lookup("u0", "u1", f, budget), UnitLookupResult::kFound);
    EXPECT_EQ(f, 2.0);
    budget = kDefaultUnitSearchBudget;
    ASSERT_EQ(graph.Lookup("u1", "u0", f, budget), UnitLookupResult::kFound);
    EXPECT_EQ(f, 0.5);
    budget = kDefaultUnitSearchBudget;
    ASSERT_EQ(graph.Lookup("km", "ft", f, budget), UnitLookupResult::kFound);
    EXPECT_EQ(f, Factor(UnitGraph(ConversionList()), "km", "ft"));
}

}  // namespace
}  // namespace quorvix
