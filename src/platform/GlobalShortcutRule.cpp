#include "platform/GlobalShortcutRule.h"

#include <cctype>

#include "engine/TextRules.h"

namespace quorvix {

namespace {

bool IsFunctionKey(std::string_view key) {
    if (key.size() < 2 || key.size() > 3 || (key[0] != 'F' && key[0] != 'f')) return false;
    int number = 0;
    for (const char c : key.substr(1)) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        number = number * 10 + (c - '0');
    }
    return key[1] != '0' && number >= 1 && number <= 35;
}

}  // namespace

std::string GlobalShortcutRefusal(std::string_view setting) {
    std::string_view text = setting;
    bool holdsKeyAway = false;  // Ctrl, Alt or Meta
    // Modifier names each end in '+'; what follows the last one is the key
    // (which may itself be "+", as in "Ctrl++").
    for (;;) {
        const std::size_t plus = text.find('+');
        if (plus == std::string_view::npos || plus == 0) break;
        const std::string_view name = text.substr(0, plus);
        if (EqualsIgnoringCase(name, "Ctrl") || EqualsIgnoringCase(name, "Alt") ||
            EqualsIgnoringCase(name, "Meta")) {
            holdsKeyAway = true;
        } else if (!EqualsIgnoringCase(name, "Shift")) {
            break;
        }
        text.remove_prefix(plus + 1);
    }
    if (holdsKeyAway || IsFunctionKey(text)) return std::string();
    return "Global shortcut \"" + std::string(setting) +
           "\" ignored: it needs Ctrl, Alt or Meta, or a function key, since it would take "
           "that key from every application";
}

}  // namespace quorvix
