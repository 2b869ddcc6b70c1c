#pragma once
// Fonts cross between the settings and Qt here. A FontRecord's height is in
// pixels at the vertical resolution the settings were read with (negative:
// character height, positive: cell height, 0: the default 8 points); Qt gets
// the same size in points, so it draws it at the screen's own scale.
// Sizes are held to the font size limits both ways, so the font dialog
// cannot record a size that the next start would not draw.
//
// ToShownQFont is the font a record is drawn in on this system: where the
// stored face is not installed, the system's fixed-pitch font (display) or
// UI font (keys) takes its place, as ChooseShownFont decides.

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "calculator/FontFallback.h"
#include "calculator/FontRecord.h"
#include "gui/common/QtText.h"

namespace quorvix {

inline QFont ToQFont(const FontRecord& record, int dotsPerInchY) {
    QFont font(ToQString(record.faceName));
    font.setPointSizeF(FontRecordPoints(record, dotsPerInchY));
    // Both weight scales run from 1 to 1000 with 400 normal and 700 bold; 0
    // ("any weight") is normal.
    const int weight = record.weight <= 0 ? 400 : std::min<std::int32_t>(record.weight, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(record.italic);
    font.setUnderline(record.underline);
    font.setStrikeOut(record.strikeOut);
    return font;
}

enum class FontUse { Display, Keypad };

// The family and size a record is drawn in here, and whether the system's
// font stands in for a face that is not installed.
inline ShownFont ShownFontFor(const FontRecord& record, int dotsPerInchY, FontUse use) {
    const QFont system = QFontDatabase::systemFont(use == FontUse::Display ? QFontDatabase::FixedFont
                                                                           : QFontDatabase::GeneralFont);
    const double points =
        system.pointSizeF() > 0 ? system.pointSizeF() : system.pixelSize() * 72.0 / 96.0;
    // The family the system's font resolves to ("DejaVu Sans Mono", not
    // the alias "Monospace"), as the note in the options dialog names it.
    const SystemFont fallback{ToStdString(QFontInfo(system).family()), points};
    const bool installed = QFontDatabase::hasFamily(ToQString(record.faceName));
    return ChooseShownFont(record, dotsPerInchY, installed, fallback);
}

inline QFont ToShownQFont(const FontRecord& record, int dotsPerInchY, FontUse use) {
    QFont font = ToQFont(record, dotsPerInchY);
    const ShownFont shown = ShownFontFor(record, dotsPerInchY, use);
    if (shown.substituted) {
        font.setFamily(ToQString(shown.family));
        font.setPointSizeF(shown.points);
    }
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
