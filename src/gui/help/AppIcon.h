#pragma once
// The program's picture: a calculator with a display and a key grid, drawn
// in code so that it needs no image plugin. The installed SVG icon shows
// the same drawing for the desktop.

#include <QIcon>
#include <QPixmap>

namespace quorvix {

// The picture at size x size device pixels.
QPixmap PaintAppPicture(int size);

// The picture in the sizes a window, a tray and an About box ask for.
QIcon MakeAppIcon();

}  // namespace quorvix
