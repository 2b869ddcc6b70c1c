#pragma once
// The readable text of one help page, as a reader sees it: tags removed,
// character entities decoded (to UTF-8), runs of blanks made one, a line
// break where a block (paragraph, heading, list item, cell) ends. The head
// (and any script or style) shows nothing; its title is kept apart. The text
// is cut into sections at the headings, each named by the first <a name>
// anchor inside its heading, so a search can say where on the page it found
// something.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvix {

struct HelpSection {
    std::string anchor;   // "besselj"; empty for the text before the first heading
    std::string heading;  // the heading's text; empty for the text before it
    std::size_t begin = 0;      // where the section starts in the page's text
    std::size_t bodyBegin = 0;  // where its text after the heading starts
    std::size_t end = 0;
};

struct HelpPageText {
    std::string title;  // the <title>, without tags
    std::string text;
    std::vector<HelpSection> sections;  // in page order, covering the whole text
};

HelpPageText ReadHelpPage(std::string_view html);

}  // namespace quorvix
