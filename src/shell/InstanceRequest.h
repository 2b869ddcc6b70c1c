#pragma once
// What a later start of the program asks the running one to do: show the
// calculator (a plain second start), the Finance box or the unit converter
// (the desktop entry's actions, "--finance-box" and "--unit-converter").
// The request travels as a short text; an unknown text asks for nothing.

#include <optional>
#include <string_view>

namespace quorvix {

enum class ShownWindow { kCalculator, kFinanceBox, kUnitConverter };

// The text sent for a window: "show", "show finance-box",
// "show unit-converter".
std::string_view InstanceRequestText(ShownWindow window);

// The window a received request names; none for an unknown text.
std::optional<ShownWindow> ParseInstanceRequest(std::string_view request);

// The tray command that shows the window (the tray menu's entries).
int TrayCommandToShow(ShownWindow window);

}  // namespace quorvix
