#pragma once
// A colour picker: a drop-down button showing its colour (white until set).
// Opening it shows the 8 x 8 palette pop-up below it; a picked cell or a
// colour from "More Colors..." becomes its colour and is announced with
// changed().

#include <QColor>
#include <QPointer>
#include <QPushButton>

#include "gui/options/ColorPalettePopup.h"
#include "gui/options/OptionChoosers.h"

namespace quorvix {

class ColorButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY changed USER true)

public:
    explicit ColorButton(QWidget* parent = nullptr);

    QColor color() const { return color_; }
    // Emits changed() when the colour differs from the one shown.
    void setColor(const QColor& colour);

    // The colour dialog behind "More Colors..." (QColorDialog by default).
    void setColorChooser(ColorChooser chooser) { chooser_ = std::move(chooser); }

    // The pop-up while it is open, else null (for tests).
    ColorPalettePopup* popup() const { return popup_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void showPalette();
    // The colour dialog on the current colour; its choice is taken on OK.
    void chooseMoreColors();

signals:
    void changed(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_ = Qt::white;
    ColorChooser chooser_;
    QPointer<ColorPalettePopup> popup_;
};

}  // namespace quorvix
