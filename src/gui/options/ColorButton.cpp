#include "gui/options/ColorButton.h"

#include <QKeyEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "gui/options/ColorPalettePopup.h"

namespace quorvix {

ColorButton::ColorButton(QWidget* parent)
    : QPushButton(parent), chooser_(DefaultColorChooser()) {
    // A drop-down, not a dialog button: Enter in a dialog stays with its
    // default button.
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &ColorButton::showPalette);
}

void ColorButton::setColor(const QColor& colour) {
    if (!colour.isValid() || colour == color_) return;
    color_ = colour;
    update();
    emit changed(color_);
}

void ColorButton::showPalette() {
    if (popup_) return;
    auto* popup = new ColorPalettePopup(color_, ColorPalettePopup::PaletteScale(this), this);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    connect(popup, &ColorPalettePopup::colorPicked, this, &ColorButton::setColor);
    // The colour dialog runs once the pop-up has closed, not inside its
    // mouse handler.
    connect(popup, &ColorPalettePopup::moreColorsRequested, this, &ColorButton::chooseMoreColors,
            Qt::QueuedConnection);
    popup_ = popup;
    popup->popUp(QRect(mapToGlobal(QPoint(0, 0)), size()));
}

void ColorButton::chooseMoreColors() {
    if (!chooser_) return;
    if (const std::optional<QColor> chosen = chooser_(color_, this)) setColor(*chosen);
}

QSize ColorButton::sizeHint() const {
    QStyleOptionComboBox option;
    option.initFrom(this);
    const QSize field(fontMetrics().height() * 3, fontMetrics().height());
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, field, this);
}

QSize ColorButton::minimumSizeHint() const { return sizeHint(); }

void ColorButton::paintEvent(QPaintEvent*) {
    // Drawn as the style's drop-down list whose field is the colour.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = false;
    if (isDown()) option.state |= QStyle::State_Sunken | QStyle::State_On;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
            .adjusted(2, 2, -2, -2);
    const QColor shown = isEnabled() ? color_ : palette().color(QPalette::Disabled, QPalette::Button);
    painter.fillRect(field, shown);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(field.adjusted(0, 0, -1, -1));
}

}  // namespace quorvix
