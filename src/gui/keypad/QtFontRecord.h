#pragma once
// The settings' toolkit-free font records and colours, as Qt sees them.
// Shared by every view that draws with the user's fonts and colours.

#include <QColor>
#include <QFont>
#include <cstdint>

#include "calculator/FontRecord.h"

namespace quorvix {

// A font record as a QFont. The record's height is in logical pixels
// (negative: character height, positive: cell height; both are taken as the
// pixel size). The size is kept within what Qt can render, so a hand-edited
// settings file cannot ask for glyphs a billion pixels high.
QFont ToQFont(const FontRecord& record);

// 0x00BBGGRR as a QColor, and back.
QColor ToQColor(std::uint32_t colorRef);
std::uint32_t ToColorRef(const QColor& color);

}  // namespace quorvix
