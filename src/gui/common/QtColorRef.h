#pragma once
// Colours cross between the settings and Qt here: the settings keep them as
// 0x00BBGGRR (red in the low byte); the unused top byte is ignored.

#include <QColor>
#include <cstdint>

namespace quorvix {

inline QColor ToQColor(std::uint32_t colorRef) {
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}

inline std::uint32_t ToColorRef(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) |
           (static_cast<std::uint32_t>(rgb.green()) << 8) |
           (static_cast<std::uint32_t>(rgb.blue()) << 16);
}

}  // namespace quorvix
