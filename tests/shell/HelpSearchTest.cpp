#include <gtest/gtest.h>

#include "shell/HelpSearch.h"

using namespace quorvix;

namespace {

constexpr const char* kTrigPage =
    "<html><head><title>Trig <b>functions</b></title>"
    "<style>p { color: red; }</style></head><body>\n"
    "<p class=\"nav\"><a href=\"index.html\">Contents</a></p>\n"
    "<h1><a name=\"trig\"></a>Trigonometric   functions</h1>\n"
    "<p>Angles in degrees &amp; radians; Sin&sup2; + Cos&sup2; = 1.</p>\n"
    "<h3><a name=\"sin\"></a><a name=\"sine\"></a>Sin</h3>\n"
    "<p>The sine of an angle: <code>Sin(x)</code>&nbsp;ranges from -1 to 1.</p>\n"
    "<!-- sine notes, not shown -->"
    "<h3>Cos</h3><p>The cosine, like the sine shifted by &pi;/2.</p>\n"
    "</body></html>";

constexpr const char* kSpecialPage =
    "<html><head><title>Special</title></head><body>"
    "<h1><a name=\"special\"></a>Special functions</h1>"
    "<p>Bessel functions of the first kind and the sine integral.</p>"
    "<h3><a name=\"besselj\"></a>BesselJ</h3>"
    "<p>The Bessel function of the first kind J<sub>n</sub>(x), of whole order n. It oscillates "
    "like a damped sine wave for large x, with zeros that come ever closer to evenly spaced.</p>"
    "<h3><a name=\"sinint\"></a>Sine integral</h3><p>Si(x), the integral of sin(t)/t.</p>"
    "</body></html>";

std::vector<std::string> Locations(const std::vector<HelpSearchHit>& hits) {
    std::vector<std::string> locations;
    for (const HelpSearchHit& hit : hits) locations.push_back(hit.Location());
    return locations;
}

}  // namespace

TEST(HelpSearch, PageTextIsWhatTheReaderSeesCutAtHeadings) {
    const HelpPageText page = ReadHelpPage(kTrigPage);
    EXPECT_EQ(page.title, "Trig functions");
    EXPECT_EQ(page.text,
              "Contents\nTrigonometric functions\n"
              "Angles in degrees & radians; Sin\u00B2 + Cos\u00B2 = 1.\n"
              "Sin\nThe sine of an angle: Sin(x)\u00A0ranges from -1 to 1.\n"
              "Cos\nThe cosine, like the sine shifted by \u03C0/2.");
    ASSERT_EQ(page.sections.size(), 3u);
    // The navigation line before the first heading belongs to its section.
    EXPECT_EQ(page.sections[0].begin, 0u);
    EXPECT_EQ(page.sections[0].anchor, "trig");
    EXPECT_EQ(page.sections[0].heading, "Trigonometric functions");
    EXPECT_EQ(page.sections[1].anchor, "sin");
    EXPECT_EQ(page.text.substr(page.sections[1].bodyBegin, 9), "The sine ");
    EXPECT_EQ(page.sections[2].anchor, "");
    EXPECT_EQ(page.sections[2].heading, "Cos");
    EXPECT_EQ(page.sections[2].end, page.text.size());
}

// Character references as a browser reads them; markup that never ends
// hides the rest rather than showing it as text.
TEST(HelpSearch, ReferencesAndBrokenMarkupReadAsABrowserReadsThem) {
    const struct {
        const char* html;
        const char* text;
    } rows[] = {
        {"a&middot;b &#183; &#xB7;", "a\u00B7b \u00B7 \u00B7"},
        {"&lt;p&gt; &amp;amp;", "<p> &amp;"},
        {"&unknown; &#xD800; &#1114112; &#; &#x; AT&T & so", "&unknown; &#xD800; &#1114112; &#; &#x; AT&T & so"},
        {"&#65;&#x42;&nbsp;C", "AB\u00A0C"},
        {"one<br>two<p>three</p>  four <b>fi</b>ve", "one\ntwo\nthree\nfour five"},
        {"<SCRIPT>x<p>y</script>z<!-- never closed", "z"},
        {"before <a href=\"x", "before"},
        {"<h2>Unclosed heading <a name=\"u\">text", "Unclosed heading text"},
    };
    for (const auto& row : rows) EXPECT_EQ(ReadHelpPage(row.html).text, row.text) << row.html;
    EXPECT_EQ(ReadHelpPage("<h2>Unclosed <a name=\"u\">x").sections.back().anchor, "u");
}

TEST(HelpSearch, EveryWordMustOccurAndHeadingsComeFirst) {
    HelpSearch search;
    search.AddPage("trig.html", kTrigPage);
    search.AddPage("special.html", kSpecialPage);
    EXPECT_EQ(search.pageCount(), 2u);

    const struct {
        const char* query;
        std::vector<std::string> locations;
    } rows[] = {
        // The heading that is the query, then those holding every word, then
        // the sections that only mention it, each in page order.
        {"sine integral", {"special.html#sinint", "special.html#special"}},
        {"sin", {"trig.html#sin", "special.html#sinint", "trig.html#trig", "trig.html",
                 "special.html#special", "special.html#besselj"}},
        {"KIND  first", {"special.html#special", "special.html#besselj"}},
        {"BESSELJ", {"special.html#besselj"}},
        {"& radians", {"trig.html#trig"}},
        {"\u03C0/2", {"trig.html"}},
        // Tags, attributes, entity names, comments, the head and styles are
        // not text.
        {"nav", {}},
        {"sup2", {}},
        {"notes", {}},
        {"color", {}},
        {"sub", {}},
        {"sine cosecant", {}},
        {"   ", {}},
    };
    for (const auto& row : rows) EXPECT_EQ(Locations(search.Find(row.query)), row.locations) << row.query;
}

TEST(HelpSearch, HitsSayWhereAndShowTheTextAroundTheMatch) {
    HelpSearch search;
    search.AddPage("trig.html", kTrigPage);
    search.AddPage("special.html", kSpecialPage);

    const std::vector<HelpSearchHit> cos = search.Find("cosine");
    ASSERT_EQ(cos.size(), 1u);
    EXPECT_EQ(cos[0].title, "Cos");
    EXPECT_EQ(cos[0].pageTitle, "Trig functions");
    EXPECT_EQ(cos[0].snippet, "The cosine, like the sine shifted by \u03C0/2.");
    EXPECT_EQ(cos[0].match, "cosine");

    // A long section is cut at blanks on both sides of the match; the
    // word met first (here in the heading) is the one to show.
    EXPECT_EQ(search.Find("oscillates bessel").at(0).match, "bessel");
    const std::vector<HelpSearchHit> waves = search.Find("oscillates");
    ASSERT_EQ(waves.size(), 1u);
    EXPECT_EQ(waves[0].title, "BesselJ");
    EXPECT_EQ(waves[0].snippet,
              "\u2026n. It oscillates like a damped sine wave for large x, with zeros that come "
              "ever closer to evenly\u2026");
}
