#pragma once
// Where a help keyword lives in the help document. The document is a set of
// HTML pages; every topic and every function has a named anchor whose name
// is the keyword folded by HelpAnchorName ("Finance Box" -> "finance-box",
// "GammaLn" -> "gammaln"). The index collects the anchors of each page, so a
// keyword the program asks for maps to "page.html#anchor".

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvix {

// Lower-case letters and digits; every run of other characters becomes one
// '-', none at either end. Empty for a keyword without letters or digits.
std::string HelpAnchorName(std::string_view keyword);

// The names of the <a name="..."> anchors of an HTML text, in order. A tag
// without a closing quote ends the scan.
std::vector<std::string> HtmlAnchorNames(std::string_view html);

class HelpIndex {
public:
    static constexpr const char* kContentsPage = "index.html";

    // Records every anchor of the page's HTML under the page's file name.
    // The first page to name an anchor keeps it.
    void AddPage(const std::string& page, std::string_view html);

    // "page.html#anchor" for a keyword (case and punctuation ignored), or
    // nothing when the document has no such anchor.
    std::optional<std::string> Find(std::string_view keyword) const;

    std::size_t size() const { return anchors_.size(); }

private:
    std::map<std::string, std::string, std::less<>> anchors_;  // anchor -> page
};

}  // namespace quorvix
