#pragma once
// Fonts cross between the settings and Qt here. A FontRecord's height is in
// pixels at the vertical resolution the settings were read with (negative:
// character height, positive: cell height, 0: the default 8 points); Qt gets
// the same size in points, so it draws it at the screen's own scale.
// Sizes are held to the font size limits both ways, so the font dialog
// cannot record a size that the next start would not draw.

#include <QFont>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "calculator/FontRecord.h"
#include "gui/common/QtText.h"

namespace quorvix {

inline QFont ToQFont(const FontRecord& record, int dotsPerInchY) {
    const double dpi = dotsPerInchY > 0 ? dotsPerInchY : 96.0;
    const double pixels = std::fabs(static_cast<double>(record.height));
    const double points = pixels == 0 ? 8.0 : pixels * 72.0 / dpi;
    QFont font(ToQString(record.faceName));
    font.setPointSizeF(std::clamp<double>(points, kMinFontPoints, kMaxFontPoints));
    // Both weight scales run from 1 to 1000 with 400 normal and 700 bold; 0
    // ("any weight") is normal.
    const int weight = record.weight <= 0 ? 400 : std::min<std::int32_t>(record.weight, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(record.italic);
    font.setUnderline(record.underline);
    font.setStrikeOut(record.strikeOut);
    return font;
}

inline FontRecord ToFontRecord(const QFont& font, int dotsPerInchY) {
    const double dpi = dotsPerInchY > 0 ? dotsPerInchY : 96.0;
    double points = font.pointSizeF();
    if (points <= 0) points = font.pixelSize() * 72.0 / 96.0;
    points = std::clamp<double>(points, kMinFontPoints, kMaxFontPoints);
    FontRecord record;
    record.faceName = ToStdString(font.family());
    record.height = -static_cast<std::int32_t>(std::lround(points * dpi / 72.0));
    record.weight = font.weight();
    record.italic = font.italic();
    record.underline = font.underline();
    record.strikeOut = font.strikeOut();
    return record;
}

}  // namespace quorvix
