#pragma once
// The colour schemes the "Display and Keypad Options" dialog offers: named
// sets of the display's text and background colours and the caption colours
// of the three key groups, each with the palette the windows are drawn in.
// Choosing one fills the dialog's colour fields and sets the settings'
// colorScheme; the colours themselves are kept with the settings as before.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "calculator/Settings.h"
#include "shell/DisplayOptions.h"

namespace quorvix {

struct ColourScheme {
    const char* name;  // as the chooser lists it
    WindowColors windows;
    // 0x00BBGGRR
    std::uint32_t text;
    std::uint32_t background;
    std::array<std::uint32_t, kKeyGroupCount> keys;  // indexed by KeyGroup

    std::uint32_t Key(KeyGroup group) const { return keys[static_cast<std::size_t>(group)]; }
};

// In the chooser's order: the default colours, high contrast (captions that
// read at 4.5:1 or better on the light key faces of the usual styles), the
// dark scheme and the system colours. The last one's colours are only
// placeholders: SystemColourScheme gives the real ones.
std::span<const ColourScheme> ColourSchemes();
inline constexpr std::size_t kDefaultSchemeIndex = 0;
inline constexpr std::size_t kHighContrastSchemeIndex = 1;
inline constexpr std::size_t kDarkSchemeIndex = 2;
inline constexpr std::size_t kSystemSchemeIndex = 3;

// The system colours for a desktop palette's text, base (the background of
// text fields) and button colours: the display in the palette's text on its
// base, the captions in the default captions' hues, darkened or lightened
// until they read at 4.5:1 on the button face.
ColourScheme SystemColourScheme(std::uint32_t paletteText, std::uint32_t paletteBase,
                                std::uint32_t paletteButton);

// The scheme of these windows whose five colours these are, if any (never
// the system colours, which follow the desktop).
std::optional<std::size_t> FindColourScheme(WindowColors windows, std::uint32_t text,
                                            std::uint32_t background,
                                            const std::array<std::uint32_t, kKeyGroupCount>& keys);

// Light key faces the keypad is drawn on by the usual styles, darkest first:
// a caption that reads on the first reads on all of them.
inline constexpr std::array<std::uint32_t, 4> kLightKeyFaces = {0xC8D0D4, 0xE1E1E1, 0xEFEFEF,
                                                                0xFFFFFF};

// The dark palette every window takes in the dark scheme, 0x00BBGGRR. The
// bevel shades run from light (raised edges) to shadow.
struct DarkPaletteColours {
    std::uint32_t window, windowText, base, alternateBase, text, button, buttonText;
    std::uint32_t light, midlight, mid, dark, shadow;
    std::uint32_t highlight, highlightedText, link, linkVisited;
    std::uint32_t toolTipBase, toolTipText, placeholderText, disabledText;
};
const DarkPaletteColours& DarkPalette();

}  // namespace quorvix
