#pragma once
// The colour schemes the "Display and Keypad Options" dialog offers: named
// sets of the display's text and background colours and the caption colours
// of the three key groups. Choosing one fills the dialog's colour fields;
// only the colours themselves are kept with the settings. More schemes are
// added to the list in ColourSchemes.cpp.

#include <cstdint>
#include <optional>
#include <span>

#include "shell/DisplayOptions.h"

namespace quorvix {

struct ColourScheme {
    const char* name;  // as the chooser lists it
    // 0x00BBGGRR
    std::uint32_t text;
    std::uint32_t background;
    std::array<std::uint32_t, kKeyGroupCount> keys;  // indexed by KeyGroup

    std::uint32_t Key(KeyGroup group) const { return keys[static_cast<std::size_t>(group)]; }
};

// The default colours first, then the high-contrast scheme, whose captions
// read at 4.5:1 or better on the light key faces of the usual styles.
std::span<const ColourScheme> ColourSchemes();

// The scheme whose five colours these are, if any.
std::optional<std::size_t> FindColourScheme(std::uint32_t text, std::uint32_t background,
                                            const std::array<std::uint32_t, kKeyGroupCount>& keys);

// Light key faces the keypad is drawn on by the usual styles, darkest first:
// a caption that reads on the first reads on all of them.
inline constexpr std::array<std::uint32_t, 4> kLightKeyFaces = {0xC8D0D4, 0xE1E1E1, 0xEFEFEF,
                                                                0xFFFFFF};

}  // namespace quorvix
