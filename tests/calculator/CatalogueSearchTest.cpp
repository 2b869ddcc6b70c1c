#include <gtest/gtest.h>

#include "calculator/CatalogueMenus.h"
#include "calculator/CatalogueSearch.h"
#include "platform/CommandIds.h"

namespace quorvix {
namespace {

std::vector<std::string> Titles(const std::vector<const SearchEntry*>& found) {
    std::vector<std::string> titles;
    for (const SearchEntry* e : found) titles.push_back(e->title);
    return titles;
}

struct SearchFixture : ::testing::Test {
    SearchFixture() {
        list.AppendUserConversion("smoot", "m", 1.7018);
        index = BuildSearchIndex(constants, list, functions);
    }
    std::vector<UserConstant> constants{{"Answer", "", 42.0}};
    ConversionList list;
    std::vector<UserFunction> functions{{"Hypot", 2, 2, "a, b", "", "SQRT(A^2+B^2)"}};
    std::vector<SearchEntry> index;
};

TEST_F(SearchFixture, EveryWordMustOccurAndTitlesThatBeginWithTheQueryComeFirst) {
    struct Row {
        std::string_view query;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"arcsinh", {"ArcSinh(x)"}},
        {"  bessel   spherical ", {"BesselJS(n, x)", "BesselYS(n, x)"}},
        {"smoot", {"smoot -> m"}},
        {"hypot", {"Hypot(a, b)"}},
        {"answer", {"Answer"}},
        {"mph", {"mph -> mi/h"}},
        {"no such thing", {}},
    };
    for (const Row& row : rows) EXPECT_EQ(Titles(FilterSearch(index, row.query)), row.expected) << row.query;

    // "sin": the functions named Sin... first, then those that only mention it.
    const auto sin = Titles(FilterSearch(index, "sin"));
    ASSERT_GE(sin.size(), 4u);
    EXPECT_EQ(sin[0], "Sin(x)");
    EXPECT_EQ(sin[1], "Sinh(x)");
    EXPECT_NE(std::find(sin.begin(), sin.end(), "ArcSin(x)"), sin.end());
    EXPECT_EQ(FilterSearch(index, "").size(), index.size());
}

TEST_F(SearchFixture, EntriesInsertWhatTheirMenuEntriesInsert) {
    int catalogueFunctions = 0, menuConstants = 0, withCommand = 0;
    for (const SearchEntry& e : index) {
        if (e.kind == SearchKind::Function) ++catalogueFunctions;
        if (e.kind == SearchKind::Constant) ++menuConstants;
        if (e.command == 0) continue;
        ++withCommand;
        // The catalogue's constants and conversions insert what the menu does.
        if (const auto menu = CatalogueInsertText(e.command)) {
            EXPECT_EQ(e.insertion.text, *menu);
        }
    }
    EXPECT_EQ(catalogueFunctions, 99);
    EXPECT_EQ(menuConstants, 35);
    EXPECT_EQ(withCommand, 99 + 35 + 28 + 3);  // menus, plus the three user entries

    const auto arcSin = FilterSearch(index, "arcsin(");
    ASSERT_EQ(arcSin.size(), 1u);
    EXPECT_EQ(arcSin[0]->command, kFirstFunctionCommand + 14 + 6);
    EXPECT_EQ(arcSin[0]->insertion.text, "ArcSin()");
    EXPECT_EQ(arcSin[0]->insertion.caretBackFromEnd, 1);

    const auto smoot = FilterSearch(index, "smoot");
    ASSERT_EQ(smoot.size(), 1u);
    EXPECT_EQ(smoot[0]->command, kFirstUserConversionCommand);
    EXPECT_EQ(smoot[0]->insertion.text, "*1.7018");
    const auto answer = FilterSearch(index, "answer");
    ASSERT_EQ(answer.size(), 1u);
    EXPECT_EQ(answer[0]->insertion.text, "42");

    // A catalogue row that no menu shows types its factor.
    const auto week = FilterSearch(index, "week ->");
    ASSERT_EQ(week.size(), 1u);
    EXPECT_EQ(week[0]->command, 0);
    EXPECT_EQ(week[0]->insertion.text, "*7");
}

}  // namespace
}  // namespace quorvix
