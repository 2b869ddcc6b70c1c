#pragma once
// How much pasted or dropped text the display takes in one go. Inserting
// megabytes at once stalls the window for seconds, and no line longer than
// the read limit can be evaluated anyway; so a paste takes at most
// kMaxPasteCharacters, ending at the last line break within them when there
// is one (no line is cut in the middle), and the help line says so.

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvix {

inline constexpr std::size_t kMaxPasteCharacters = 65536;

// The number of leading characters of text that are pasted.
std::size_t PastedLength(std::string_view text);

// The help line's text when only pasted of offered characters were taken.
std::string PasteCutMessage(std::size_t pasted, std::size_t offered);

}  // namespace quorvix
