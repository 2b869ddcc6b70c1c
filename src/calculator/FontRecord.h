#pragma once
// A font as the settings keep it, free of any toolkit: face name, height in
// logical units (negative: character height in pixels), weight (400 normal,
// 700 bold) and three style flags.

#include <cstdint>
#include <string>

namespace quorvix {

// The sizes the Display and Keypad Options dialog keeps to, and what is read
// from the settings is held to as well: key captions from 1 to 40 points,
// the display and keypad fonts from 1 to 72 points.
inline constexpr int kMinKeyFontSize = 1;
inline constexpr int kMaxKeyFontSize = 40;
inline constexpr int kMinFontPoints = 1;
inline constexpr int kMaxFontPoints = 72;

struct FontRecord {
    std::string faceName = "MS Sans Serif";
    std::int32_t height = -11;
    std::int32_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontRecord&) const = default;
};

// The record every font starts from before stored values are applied: the
// standard face at 8 points for the given vertical resolution.
FontRecord InitialFontRecord(int dotsPerInchY);

// Pixel height (negative, character height) of a size in points.
std::int32_t FontHeightForPoints(int dotsPerInchY, int points);

// A record height (pixels at the resolution, either sign) held to the font
// size limits, its sign kept; 0 (the default size) stays 0.
std::int32_t LimitFontHeight(std::int32_t height, int dotsPerInchY);

// The height of a font steps points larger (negative: smaller), held to the
// font size limits; steps == 0 gives the initial record's size. A height of
// 0 (the default size) counts as the initial size.
std::int32_t ZoomedFontHeight(std::int32_t height, int steps, int dotsPerInchY);

}  // namespace quorvix
