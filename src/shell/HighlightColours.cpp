#include "shell/HighlightColours.h"

#include "calculator/Settings.h"

namespace quorvix {

HighlightColours HighlightColoursFor(const Settings& settings) {
    HighlightColours colours;
    colours.answer = settings.foreColor & 0xFFFFFF;
    colours.function = 0x8B008B;   // RGB(139, 0, 139)
    colours.variable = 0x6B4A00;   // RGB(0, 74, 107)
    colours.number = 0x000080;     // RGB(128, 0, 0)
    colours.operation = 0x404040;
    colours.errorBackground = 0xC0C0FF;  // light red
    return colours;
}

}  // namespace quorvix
