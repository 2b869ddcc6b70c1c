#include "shell/HelpIndex.h"

namespace quorvix {

namespace {

char FoldChar(char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return c;
    return '-';
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// prefix is lower-case.
bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
    if (text.size() - at < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[at + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

}  // namespace

std::string HelpAnchorName(std::string_view keyword) {
    std::string name;
    name.reserve(keyword.size());
    for (char c : keyword) {
        const char folded = FoldChar(c);
        if (folded == '-' && (name.empty() || name.back() == '-')) continue;
        name.push_back(folded);
    }
    if (!name.empty() && name.back() == '-') name.pop_back();
    return name;
}

std::vector<std::string> HtmlAnchorNames(std::string_view html) {
    std::vector<std::string> names;
    std::size_t pos = 0;
    while ((pos = html.find('<', pos)) != std::string_view::npos) {
        ++pos;
        if (!StartsWithNoCase(html, pos, "a") || pos + 1 >= html.size() || !IsBlank(html[pos + 1]))
            continue;
        const std::size_t tagEnd = html.find('>', pos);
        if (tagEnd == std::string_view::npos) break;
        // The name attribute inside this tag, quoted with ' or ".
        for (std::size_t at = pos + 1; at + 5 < tagEnd; ++at) {
            if (!IsBlank(html[at - 1]) || !StartsWithNoCase(html, at, "name=")) continue;
            const char quote = html[at + 5];
            if (quote != '"' && quote != '\'') break;
            const std::size_t close = html.find(quote, at + 6);
            if (close == std::string_view::npos || close > tagEnd) break;
            names.emplace_back(html.substr(at + 6, close - at - 6));
            break;
        }
        pos = tagEnd;
    }
    return names;
}

void HelpIndex::AddPage(const std::string& page, std::string_view html) {
    for (const std::string& name : HtmlAnchorNames(html)) anchors_.try_emplace(name, page);
}

std::optional<std::string> HelpIndex::Find(std::string_view keyword) const {
    const std::string name = HelpAnchorName(keyword);
    if (name.empty()) return std::nullopt;
    const auto it = anchors_.find(name);
    if (it == anchors_.end()) return std::nullopt;
    return it->second + "#" + name;
}

}  // namespace quorvix
