#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numeric>
#include <set>
#include <string>

#include "engine/TextRules.h"
#include "units/UnitCatalogue.h"
#include "units/UnitText.h"

namespace quorvix {
namespace {

TEST(UnitCatalogue, RowsNameThe297DistinctUnitTexts) {
    std::set<std::string> texts, names, bases;
    for (int k = 0; k < kCatalogueRowCount; ++k) {
        const CatalogueRow& row = CatalogueRowAt(k);
        names.emplace(row.name);
        bases.emplace(row.base);
        texts.emplace(row.name);
        texts.emplace(row.base);
        EXPECT_LE(row.name.size(), 50u) << k;
        EXPECT_LE(row.base.size(), 52u) << k;
        EXPECT_TRUE(std::isfinite(row.factor) && row.factor > 0) << k;
    }
    EXPECT_EQ(texts.size(), 297u);
    int baseOnly = 0;
    for (const std::string& b : bases) baseOnly += names.count(b) == 0 ? 1 : 0;
    EXPECT_EQ(baseOnly, 61);

    // Ignoring case, exactly g/G, kw/kW and coulomb/Coulomb fall together.
    std::map<std::string, std::set<std::string>> byUpper;
    for (const std::string& t : texts) byUpper[UpperCaseAscii(t)].insert(t);
    std::set<std::set<std::string>> merged;
    for (const auto& [upper, group] : byUpper) {
        if (group.size() > 1) merged.insert(group);
    }
    const std::set<std::set<std::string>> expected{
        {"G", "g"}, {"kW", "kw"}, {"Coulomb", "coulomb"}};
    EXPECT_EQ(merged, expected);
}

// Union-find over the unit texts, compared by the case rule.
struct Components {
    std::map<std::string, std::string> parent;
    std::string Find(const std::string& x) {
        auto it = parent.find(x);
        if (it == parent.end()) return parent[x] = x;
        if (it->second == x) return x;
        return it->second = Find(it->second);
    }
};

TEST(UnitCatalogue, GraphHasTwentyOneGroupsAndOneCycle) {
    Components c;
    int cycles = 0;
    int cycleRow = -1;
    for (int k = 0; k < kCatalogueRowCount; ++k) {
        const CatalogueRow& row = CatalogueRowAt(k);
        const std::string a = c.Find(UnitNameKey(row.name));
        const std::string b = c.Find(UnitNameKey(row.base));
        if (a == b) {
            ++cycles;
            cycleRow = k;
        } else {
            c.parent[a] = b;
        }
    }
    std::set<std::string> roots;
    for (const auto& entry : c.parent) roots.insert(c.Find(entry.first));
    // Gram "g" and gauss "G" are two units, so mass and magnetic flux
    // density are separate groups.
    EXPECT_EQ(c.parent.size(), 295u);
    EXPECT_EQ(roots.size(), 21u);
    EXPECT_EQ(cycles, 1);
    EXPECT_EQ(cycleRow, 42);  // femtometer -> fermi closes fm, m, fermi, femtometer
}

TEST(UnitCatalogue, RowsThatTheSearchDependsOn) {
    // Index order decides the first chain found, so spot-check where rows sit.
    const auto row = [](int k) { return CatalogueRowAt(k); };
    EXPECT_EQ(row(0).name, "km");
    EXPECT_EQ(row(0).factor, 1000.0);
    EXPECT_EQ(row(6).name, "micrometer");
    EXPECT_EQ(row(6).factor, 1e-6);
    EXPECT_EQ(row(38).name, "micrometer");
    EXPECT_EQ(row(38).base, "micron");
    EXPECT_EQ(row(123).base, "g");
    EXPECT_EQ(row(252).base, "G");
    EXPECT_EQ(row(170).name, "degC");
    EXPECT_EQ(row(171).factor, 1.8);
    EXPECT_EQ(row(220).factor, 1e15);
    EXPECT_EQ(row(238).base, "kw");
    EXPECT_EQ(row(257).name, "Coulomb");
    EXPECT_EQ(row(259).factor, 180.0 / M_PI);
    EXPECT_EQ(row(269).base, "coulomb per kilogram");
    EXPECT_EQ(row(274).name, "roentgen");
    EXPECT_EQ(row(274).base, "R");
}

TEST(UnitCatalogue, ConversionsMenuRows) {
    EXPECT_EQ(ConversionsMenuRowAt(0).name, "acre");
    EXPECT_EQ(ConversionsMenuRowAt(0).base, "square meter");
    EXPECT_EQ(ConversionsMenuRowAt(0).factor, 4046.8564224);
    EXPECT_EQ(ConversionsMenuRowAt(2).name, "fluid ounce (UK)");
    EXPECT_EQ(ConversionsMenuRowAt(3).factor, 29.5735295625);
    EXPECT_EQ(ConversionsMenuRowAt(5).name, "gallon(UK)");
    EXPECT_EQ(ConversionsMenuRowAt(10).factor, 1852.0);
    EXPECT_EQ(ConversionsMenuRowAt(13).name, "yard");
    EXPECT_EQ(ConversionsMenuRowAt(13).factor, 0.9144);
    EXPECT_EQ(ConversionsMenuRowAt(7).factor, 0.73549875);  // metric horsepower, exact
    // Names ascend alphabetically: a check on the transcription's order.
    for (int k = 1; k < kConversionsMenuRowCount; ++k) {
        EXPECT_LT(ConversionsMenuRowAt(k - 1).name, ConversionsMenuRowAt(k).name) << k;
    }
}

}  // namespace
}  // namespace quorvix
