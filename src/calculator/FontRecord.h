#pragma once
// A font as the settings keep it, free of any toolkit: face name, height in
// logical units (negative: character height in pixels), weight (400 normal,
// 700 bold) and three style flags.

#include <cstdint>
#include <string>

namespace quorvix {

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

}  // namespace quorvix
