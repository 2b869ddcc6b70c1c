#include "shell/HelpSearch.h"

#include <algorithm>
#include <array>

#include "engine/TextRules.h"

namespace quorvix {

namespace {

constexpr std::size_t kSnippetBefore = 12;  // bytes of text before the match
constexpr std::size_t kSnippetAfter = 90;   // and after its start
constexpr const char* kEllipsis = "\u2026";

std::string FoldAscii(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

std::vector<std::string> QueryWords(std::string_view query) {
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (pos < query.size()) {
        while (pos < query.size() && IsSpaceTabOrLineBreak(query[pos])) ++pos;
        std::size_t end = pos;
        while (end < query.size() && !IsSpaceTabOrLineBreak(query[end])) ++end;
        if (end > pos) words.push_back(FoldAscii(query.substr(pos, end - pos)));
        pos = end;
    }
    return words;
}

bool IsBlank(char c) { return c == ' ' || c == '\n'; }
bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The text of [from, to) around at, cut at blanks, on one line.
std::string Snippet(const std::string& text, std::size_t from, std::size_t to, std::size_t at) {
    std::size_t begin = at > from + kSnippetBefore ? at - kSnippetBefore : from;
    if (begin > from) {
        const std::size_t blank = text.find_first_of(" \n", begin);
        if (blank != std::string::npos && blank < at) begin = blank + 1;
        while (begin < at && IsContinuationByte(text[begin])) ++begin;
    }
    std::size_t end = std::min(to, at + kSnippetAfter);
    if (end < to) {
        std::size_t blank = end;
        while (blank > at && !IsBlank(text[blank])) --blank;
        if (blank > at) end = blank;
        while (end > begin && IsContinuationByte(text[end])) --end;
    }
    std::string snippet = begin > from ? kEllipsis : "";
    for (std::size_t i = begin; i < end; ++i) snippet += text[i] == '\n' ? ' ' : text[i];
    if (end < to) snippet += kEllipsis;
    return snippet;
}

}  // namespace

std::string HelpSearchHit::Location() const { return anchor.empty() ? page : page + "#" + anchor; }

void HelpSearch::AddPage(const std::string& page, std::string_view html) {
    Page added{page, ReadHelpPage(html), {}};
    added.folded = FoldAscii(added.text.text);
    pages_.push_back(std::move(added));
}

std::string HelpSearch::PageTitle(std::string_view page) const {
    for (const Page& candidate : pages_)
        if (candidate.name == page) return candidate.text.title;
    return {};
}

std::vector<HelpSearchHit> HelpSearch::Find(std::string_view query) const {
    const std::vector<std::string> words = QueryWords(query);
    if (words.empty()) return {};
    std::string whole;
    for (const std::string& word : words) whole.append(whole.empty() ? "" : " ").append(word);

    // By rank: the heading is the query, the heading holds every word, the rest.
    std::array<std::vector<HelpSearchHit>, 3> ranked;
    for (const Page& page : pages_) {
        const std::string_view folded = page.folded;
        for (const HelpSection& section : page.text.sections) {
            const std::string_view text = folded.substr(section.begin, section.end - section.begin);
            const std::string heading = FoldAscii(section.heading);
            std::size_t first = std::string_view::npos, inBody = std::string_view::npos;
            std::string match;
            bool all = true, allInHeading = true;
            for (const std::string& word : words) {
                const std::size_t at = text.find(word);
                if (at == std::string_view::npos) {
                    all = false;
                    break;
                }
                if (at < first) {
                    first = at;
                    match = word;
                }
                const std::size_t body = folded.find(word, section.bodyBegin);
                if (body < section.end) inBody = std::min(inBody, body);
                allInHeading = allInHeading && heading.find(word) != std::string::npos;
            }
            if (!all) continue;
            HelpSearchHit hit;
            hit.page = page.name;
            hit.anchor = section.anchor;
            hit.title = section.heading.empty() ? page.text.title : section.heading;
            hit.pageTitle = page.text.title;
            hit.snippet = Snippet(page.text.text, section.bodyBegin, section.end,
                                  inBody == std::string_view::npos ? section.bodyBegin : inBody);
            hit.match = match;
            const std::size_t rank = heading == whole ? 0 : allInHeading ? 1 : 2;
            ranked[rank].push_back(std::move(hit));
        }
    }
    std::vector<HelpSearchHit> hits;
    for (auto& group : ranked) std::move(group.begin(), group.end(), std::back_inserter(hits));
    return hits;
}

}  // namespace quorvix
