#include "calculator/PasteLimit.h"

namespace quorvix {

std::size_t PastedLength(std::string_view text) {
    if (text.size() <= kMaxPasteCharacters) return text.size();
    const std::size_t lastBreak = text.substr(0, kMaxPasteCharacters).rfind('\n');
    return lastBreak == std::string_view::npos ? kMaxPasteCharacters : lastBreak + 1;
}

std::string PasteCutMessage(std::size_t pasted, std::size_t offered) {
    return "Pasted the first " + std::to_string(pasted) + " of " + std::to_string(offered) +
           " characters (at most " + std::to_string(kMaxPasteCharacters) + " at a time)";
}

}  // namespace quorvix
