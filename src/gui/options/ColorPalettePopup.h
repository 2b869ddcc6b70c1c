#pragma once
// The palette pop-up of a ColorButton: 64 colour cells and a "More Colors..."
// button drawn with the widget's painter. The mouse raises a frame around the
// item under it; a click sinks the cell's frame and picks its colour; a click
// outside closes it unchanged; "More Colors..." or Alt+M closes it and asks
// for the colour dialog. The rules are ColourPalette's.

#include <QColor>
#include <QWidget>

#include "shell/ColourPalette.h"

namespace quorvix {

class ColorPalettePopup : public QWidget {
    Q_OBJECT

public:
    // scale multiplies the pop-up's pixel sizes (see PaletteScale()).
    ColorPalettePopup(const QColor& current, double scale, QWidget* parent = nullptr);

    const ColourPalette& logic() const { return logic_; }
    // Shows the pop-up below (or above) the picker's rectangle in global
    // coordinates, kept on the picker's screen.
    void popUp(const QRect& pickerGlobal);

    // The scale for the screen a widget is on: the screen's logical
    // resolution over 96 dots per inch, at least 1. Qt already multiplies
    // every widget coordinate by the device pixel ratio, so on a screen
    // scaled that way this is 1 and the pop-up grows with the scaling.
    static double PaletteScale(const QWidget* widget);

signals:
    void colorPicked(const QColor& colour);
    void moreColorsRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Finish(PaletteResult result);
    void DrawButton(QPainter& painter) const;

    ColourPalette logic_;
};

}  // namespace quorvix
