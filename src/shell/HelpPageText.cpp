#include "shell/HelpPageText.h"

#include <algorithm>
#include <cctype>

#include "engine/TextRules.h"
#include "platform/Utf8.h"
#include "shell/HelpIndex.h"

namespace quorvix {

namespace {

struct NamedEntity {
    std::string_view name;
    char32_t code;
};

// The named entities a help page may use; others stay as written.
constexpr NamedEntity kEntities[] = {
    {"amp", U'&'},       {"lt", U'<'},         {"gt", U'>'},         {"quot", U'"'},
    {"apos", U'\''},     {"nbsp", U'\u00A0'},  {"middot", U'\u00B7'}, {"sup2", U'\u00B2'},
    {"sup3", U'\u00B3'}, {"deg", U'\u00B0'},   {"plusmn", U'\u00B1'}, {"micro", U'\u00B5'},
    {"times", U'\u00D7'}, {"divide", U'\u00F7'}, {"copy", U'\u00A9'},  {"ndash", U'\u2013'},
    {"mdash", U'\u2014'}, {"lsquo", U'\u2018'}, {"rsquo", U'\u2019'}, {"ldquo", U'\u201C'},
    {"rdquo", U'\u201D'}, {"hellip", U'\u2026'}, {"minus", U'\u2212'}, {"radic", U'\u221A'},
    {"infin", U'\u221E'}, {"larr", U'\u2190'},  {"rarr", U'\u2192'},  {"pi", U'\u03C0'},
    {"Pi", U'\u03A0'},   {"Gamma", U'\u0393'}, {"gamma", U'\u03B3'}, {"phi", U'\u03C6'},
};

// The character of a reference's name ("middot", "#183", "#xB7"), or 0.
char32_t EntityCode(std::string_view name) {
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        char32_t code = 0;
        const std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 6) return 0;
        for (char c : digits) {
            int value = -1;
            if (c >= '0' && c <= '9') value = c - '0';
            else if (hex && c >= 'a' && c <= 'f') value = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F') value = c - 'A' + 10;
            if (value < 0) return 0;
            code = code * (hex ? 16 : 10) + static_cast<char32_t>(value);
        }
        return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF) ? code : 0;
    }
    for (const NamedEntity& entity : kEntities)
        if (entity.name == name) return entity.code;
    return 0;
}

bool IsHeading(std::string_view tag) {
    return tag.size() == 2 && (tag[0] == 'h') && tag[1] >= '1' && tag[1] <= '6';
}

// Tags whose start or end begins a new line of text.
bool IsBlock(std::string_view tag) {
    static constexpr std::string_view kBlocks[] = {
        "p",  "br", "div", "li", "ul", "ol", "dl", "dt",         "dd", "table", "tr",
        "td", "th", "pre", "hr", "blockquote", "body", "caption", "center"};
    if (IsHeading(tag)) return true;
    for (std::string_view block : kBlocks)
        if (block == tag) return true;
    return false;
}

class PageReader {
public:
    explicit PageReader(std::string_view html) : html_(html) { page_.sections.emplace_back(); }

    HelpPageText Read() {
        std::size_t pos = 0;
        while (pos < html_.size()) {
            const char c = html_[pos];
            if (c == '<') {
                pos = ReadMarkup(pos);
            } else if (c == '&') {
                pos = ReadEntity(pos);
            } else {
                Character(c);
                ++pos;
            }
        }
        EndHeading();
        while (!page_.text.empty() && page_.text.back() == '\n') page_.text.pop_back();
        for (HelpSection& section : page_.sections) {
            section.bodyBegin = std::min(section.bodyBegin, page_.text.size());
            section.end = std::min(section.end, page_.text.size());
        }
        page_.sections.back().end = page_.text.size();
        page_.title = std::string(TrimSpacesTabsAndLineBreaks(title_));
        return std::move(page_);
    }

private:
    // Where what is read goes: nowhere (the head, scripts), the title, or the text.
    std::string* Sink() {
        if (!skipUntil_.empty()) return nullptr;
        if (inTitle_) return &title_;
        return inHead_ ? nullptr : &page_.text;
    }

    void Character(char c) {
        std::string* sink = Sink();
        if (!sink) return;
        if (IsSpaceTabOrLineBreak(c)) {
            blank_ = true;
            return;
        }
        if (blank_ && !sink->empty() && sink->back() != '\n') sink->push_back(' ');
        blank_ = false;
        sink->push_back(c);
    }

    void Break() {
        blank_ = false;
        std::string& text = page_.text;
        if (!inHead_ && !text.empty() && text.back() != '\n') text.push_back('\n');
    }

    std::size_t ReadEntity(std::size_t at) {
        const std::size_t semicolon = html_.find(';', at);
        constexpr std::size_t kLongestName = 10;
        if (semicolon != std::string_view::npos && semicolon - at - 1 <= kLongestName) {
            if (const char32_t code = EntityCode(html_.substr(at + 1, semicolon - at - 1))) {
                std::string decoded;
                AppendCodePoint(code, decoded);
                if (code == U' ') Character(' ');
                else
                    for (char c : decoded) Character(c);
                return semicolon + 1;
            }
        }
        Character('&');
        return at + 1;
    }

    // A tag, comment or declaration starting at at ('<'); returns where the
    // text goes on.
    std::size_t ReadMarkup(std::size_t at) {
        if (html_.substr(at, 4) == "<!--") {
            const std::size_t end = html_.find("-->", at + 4);
            return end == std::string_view::npos ? html_.size() : end + 3;
        }
        const std::size_t close = html_.find('>', at);
        if (close == std::string_view::npos) return html_.size();
        const std::string_view inner = html_.substr(at + 1, close - at - 1);
        const bool ending = !inner.empty() && inner[0] == '/';
        std::size_t nameEnd = ending ? 1 : 0;
        std::string name;
        while (nameEnd < inner.size() && (std::isalnum(static_cast<unsigned char>(inner[nameEnd])))) {
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(inner[nameEnd])));
            ++nameEnd;
        }
        if (!skipUntil_.empty()) {
            if (ending && name == skipUntil_) skipUntil_.clear();
            return close + 1;
        }
        Tag(name, ending, html_.substr(at, close - at + 1));
        return close + 1;
    }

    void Tag(const std::string& name, bool ending, std::string_view whole) {
        if (name == "script" || name == "style") {
            if (!ending) skipUntil_ = name;
            return;
        }
        if (name == "head") inHead_ = !ending;
        if (name == "title") {
            inTitle_ = !ending;
            blank_ = false;
            return;
        }
        if (IsHeading(name)) {
            Break();
            if (ending) EndHeading();
            else StartSection();
            return;
        }
        if (name == "a" && !ending && inHeading_ && page_.sections.back().anchor.empty()) {
            const std::vector<std::string> names = HtmlAnchorNames(whole);
            if (!names.empty()) page_.sections.back().anchor = names.front();
        }
        if (IsBlock(name)) Break();
    }

    void StartSection() {
        EndHeading();
        // The text before the first heading (a navigation line) belongs to
        // the first section, so every section has a heading.
        if (sawHeading_) {
            page_.sections.back().end = page_.text.size();
            HelpSection section;
            section.begin = page_.text.size();
            page_.sections.push_back(section);
        }
        sawHeading_ = true;
        headingStart_ = page_.text.size();
        inHeading_ = true;
    }

    void EndHeading() {
        if (!inHeading_) return;
        inHeading_ = false;
        HelpSection& section = page_.sections.back();
        section.heading = std::string(TrimSpacesTabsAndLineBreaks(
            std::string_view(page_.text).substr(headingStart_)));
        section.bodyBegin = page_.text.size();
    }

    std::string_view html_;
    HelpPageText page_;
    std::string title_;
    std::string skipUntil_;  // the end tag that ends a script or style
    std::size_t headingStart_ = 0;
    bool inHead_ = false;
    bool inTitle_ = false;
    bool inHeading_ = false;
    bool sawHeading_ = false;
    bool blank_ = false;
};

}  // namespace

HelpPageText ReadHelpPage(std::string_view html) { return PageReader(html).Read(); }

}  // namespace quorvix
