#pragma once
// Draws a plot model with QPainter: grid, axes with tick labels, the curve,
// and the solver overlay (shaded area with its value, roots, stems,
// tangent). Everything is drawn from vectors at the painter's resolution,
// so it is crisp at any device pixel ratio and in SVG.

#include <QFont>
#include <QMargins>
#include <QPalette>
#include <QRectF>

class QPainter;

namespace quorvix {

class PlotModel;

// Room around the plot area for the tick labels of the current view.
QMargins PlotMargins(const PlotModel& model, const QFont& font);

// Paints the model into the rectangle (0, 0, size); the model's view area
// must be size less PlotMargins. `box` is a zoom box being dragged (empty
// for none), in the same coordinates.
void PaintPlot(QPainter& painter, const PlotModel& model, const QSizeF& size, const QFont& font,
               const QPalette& palette, const QRectF& box = QRectF());

// Tick label spacing in pixels, for the model's tick choice.
inline constexpr double kTTickSpacing = 90.0;
inline constexpr double kYTickSpacing = 45.0;

}  // namespace quorvix
