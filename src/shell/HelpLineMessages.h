#pragma once
// The messages the help line shows most, which the default window is made
// wide enough to show whole: the syntax lines of the built-in functions,
// "Press Esc to cancel" and the evaluation and syntax errors. Longer ones
// (tips, file names) are cut with their whole text in the tooltip.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvix {

// Shown on the help line while a long line evaluates.
inline constexpr const char* kCancelNotice = "Press Esc to cancel";

// Each message as the help line shows it (after its two leading blanks).
std::vector<std::string> HelpLineMessagesToFit();

// The widest of those messages by the given measure (a font's width in
// pixels in the window, characters in tests).
int HelpLineWidthNeeded(const std::function<int(std::string_view)>& measure);

}  // namespace quorvix
