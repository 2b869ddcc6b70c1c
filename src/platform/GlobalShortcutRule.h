#pragma once
// Which key combinations may serve as the global shortcut. A global shortcut
// takes its key away from every other application, so a plain key (a
// letter, a digit, Shift with a letter) may not be one: the combination
// needs Ctrl, Alt or Meta, or its key must be a function key (F1 to F35).

#include <string>
#include <string_view>

namespace quorvix {

// text in the portable form ("Ctrl+Alt+Q", "Shift+F5"), modifier names in
// any case. Empty when the combination may be used; otherwise the notice
// that says why the setting is ignored.
std::string GlobalShortcutRefusal(std::string_view text);

}  // namespace quorvix
