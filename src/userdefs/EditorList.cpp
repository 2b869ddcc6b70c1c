#include "userdefs/EditorList.h"

namespace quorvix {

std::string WithLimit(const char* pattern, int limit) {
    std::string text(pattern);
    const std::size_t at = text.find("%d");
    if (at != std::string::npos) text.replace(at, 2, std::to_string(limit));
    return text;
}

}  // namespace quorvix
