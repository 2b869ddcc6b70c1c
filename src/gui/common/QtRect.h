#pragma once
// Rectangles cross from Qt to the layout logic here: QRect's right and
// bottom are the last pixel inside, Rect's are the first one outside.

#include <QRect>

#include "calculator/FrameLayout.h"

namespace quorvix {

inline Rect ToRect(const QRect& r) { return {r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

}  // namespace quorvix
