#include <gtest/gtest.h>

#include "shell/HelpIndex.h"

using namespace quorvix;

TEST(HelpIndex, AnchorNamesFoldCaseAndPunctuation) {
    const struct {
        const char* keyword;
        const char* anchor;
    } cases[] = {
        {"GammaLn", "gammaln"},
        {"Finance Box", "finance-box"},
        {"User-defined Constants", "user-defined-constants"},
        {"  RATE  ", "rate"},
        {"a__b--c", "a-b-c"},
        {"x1", "x1"},
        {"", ""},
        {"()", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(HelpAnchorName(c.keyword), c.anchor) << c.keyword;
}

TEST(HelpIndex, ReadsNameAnchorsOnly) {
    const char* html =
        "<h2><a name=\"sin\"></a>Sin</h2><A NAME='cos'>x</a>"
        "<a href=\"#sin\">link</a><abbr name=\"no\">"
        "<a id=x name=\"tan\"><a name=unquoted><a name=\"open";
    EXPECT_EQ(HtmlAnchorNames(html), (std::vector<std::string>{"sin", "cos", "tan"}));
}

TEST(HelpIndex, FindsKeywordsOnTheirPage) {
    HelpIndex index;
    index.AddPage("trig.html", "<a name=\"sin\"></a><a name=\"cos\"></a>");
    index.AddPage("finance.html", "<a name=\"finance-box\"></a><a name=\"sin\"></a>");
    EXPECT_EQ(index.Find("SIN"), "trig.html#sin");  // the first page keeps it
    EXPECT_EQ(index.Find("Finance Box"), "finance.html#finance-box");
    EXPECT_FALSE(index.Find("tan").has_value());
    EXPECT_FALSE(index.Find("--").has_value());
    EXPECT_EQ(index.size(), 3u);
}
