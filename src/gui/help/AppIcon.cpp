#include "gui/help/AppIcon.h"

#include <QPainter>

namespace quorvix {

namespace {

// The drawing on a 128 x 128 grid, the same as data/icons/quorvix.svg.
constexpr QColor kBody{0x34, 0x55, 0x7f};
constexpr QColor kScreen{0xe6, 0xf2, 0xea};
constexpr QColor kDigits{0x34, 0x55, 0x7f};
constexpr QColor kKey{0xdf, 0xe7, 0xf1};
constexpr QColor kEquals{0xf3, 0x9c, 0x34};

}  // namespace

QPixmap PaintAppPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 128.0, size / 128.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBody);
    painter.drawRoundedRect(QRectF(20, 8, 88, 112), 12, 12);
    painter.setBrush(kScreen);
    painter.drawRoundedRect(QRectF(30, 18, 68, 26), 4, 4);
    painter.setBrush(kDigits);
    painter.drawRoundedRect(QRectF(60, 33, 30, 5), 2, 2);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.setBrush(row == 2 && column == 2 ? kEquals : kKey);
            painter.drawRoundedRect(QRectF(30 + 25 * column, 54 + 21 * row, 18, 14), 3, 3);
        }
    }
    return pixmap;
}

QIcon MakeAppIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) icon.addPixmap(PaintAppPicture(size));
    return icon;
}

}  // namespace quorvix
