#pragma once
// A search over every page of the help document. The pages' text is read
// once (ReadHelpPage) into sections, one per heading; a query finds the
// sections in which every one of its words occurs (as part of a word too,
// case ignored). Sections whose heading is the query come first, then
// those whose heading holds every word, then the rest, each in page order.
//
// Typical use by the help window:
//   HelpSearch search;
//   for (page : pages) search.AddPage("special.html", html);   // once
//   for (const HelpSearchHit& hit : search.Find("bessel first kind")) ...

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "shell/HelpPageText.h"

namespace quorvix {

struct HelpSearchHit {
    std::string page;       // "special.html"
    std::string anchor;     // "besselj"; empty when the section has none
    std::string title;      // the section's heading, or the page's title
    std::string pageTitle;  // "Special functions"
    // A line of the section's text around the first match (after the
    // heading), with "…" where it was cut.
    std::string snippet;
    // The query word met first in the section, for the page to show selected.
    std::string match;

    // "special.html#besselj", or the page alone.
    std::string Location() const;
};

class HelpSearch {
public:
    void AddPage(const std::string& page, std::string_view html);
    std::vector<HelpSearchHit> Find(std::string_view query) const;
    std::size_t pageCount() const { return pages_.size(); }
    // The title of a page added here, or empty.
    std::string PageTitle(std::string_view page) const;

private:
    struct Page {
        std::string name;
        HelpPageText text;
        std::string folded;  // the text with ASCII letters in lower case
    };
    std::vector<Page> pages_;
};

}  // namespace quorvix
