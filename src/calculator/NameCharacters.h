#pragma once
// The characters of a name as the display's helpers read it (help at the
// caret, completion, highlighting): a letter or '_' first, then letters,
// digits and '_'. ASCII only, so what they find never depends on the
// user's locale.

namespace quorvix {

constexpr bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsNameStart(char c) { return IsAsciiLetter(c) || c == '_'; }
constexpr bool IsNameChar(char c) { return IsNameStart(c) || IsAsciiDigit(c); }

}  // namespace quorvix
