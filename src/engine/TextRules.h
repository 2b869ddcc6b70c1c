#pragma once
// The small text rules every layer shares, each named after what it
// accepts: which characters count as blank where, trimming by those rules,
// and the one case-blind comparison of names (ASCII letters only, so the
// result never depends on the user's locale).
//
// The trims return views into their argument: keep the argument alive
// while the view is used, or copy the view into a std::string.

#include <cctype>
#include <string>
#include <string_view>

namespace quorvix {

// Expression text: only the space is blank (a tab is an unexpected character).
constexpr bool IsSpace(char c) { return c == ' '; }
// A display line or a dialog field: spaces and tabs.
constexpr bool IsSpaceOrTab(char c) { return c == ' ' || c == '\t'; }
// A number typed into a field, markup: spaces, tabs and line breaks.
constexpr bool IsSpaceTabOrLineBreak(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

namespace text_rules_detail {

template <bool (*Blank)(char)>
constexpr std::string_view TrimTrailing(std::string_view text) {
    while (!text.empty() && Blank(text.back())) text.remove_suffix(1);
    return text;
}

template <bool (*Blank)(char)>
constexpr std::string_view Trim(std::string_view text) {
    while (!text.empty() && Blank(text.front())) text.remove_prefix(1);
    return TrimTrailing<Blank>(text);
}

}  // namespace text_rules_detail

constexpr std::string_view TrimSpaces(std::string_view text) {
    return text_rules_detail::Trim<IsSpace>(text);
}
constexpr std::string_view TrimTrailingSpaces(std::string_view text) {
    return text_rules_detail::TrimTrailing<IsSpace>(text);
}
constexpr std::string_view TrimSpacesAndTabs(std::string_view text) {
    return text_rules_detail::Trim<IsSpaceOrTab>(text);
}
constexpr std::string_view TrimTrailingSpacesAndTabs(std::string_view text) {
    return text_rules_detail::TrimTrailing<IsSpaceOrTab>(text);
}
constexpr std::string_view TrimSpacesTabsAndLineBreaks(std::string_view text) {
    return text_rules_detail::Trim<IsSpaceTabOrLineBreak>(text);
}

constexpr char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string UpperCaseAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = UpperAscii(c);
    return upper;
}

// Expression text and the names in it, upper-cased as the engine reads
// them: letter by letter by the C library, under the user's locale.
inline std::string UpperCaseText(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// Equal when the texts differ at most in the case of ASCII letters.
constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    }
    return true;
}

}  // namespace quorvix
