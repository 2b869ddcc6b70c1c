#include "gui/options/ColorPalettePopup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QtWidgets/qdrawutil.h>
#include <algorithm>
#include <cmath>

#include "gui/common/QtColorRef.h"
#include "gui/common/QtText.h"

namespace quorvix {

namespace {

QRect ToQRect(const PaletteRect& r) { return QRect(r.x, r.y, r.width, r.height); }

// The button's text with the mnemonic marked, so Alt+M shows underlined.
QString MoreColorsCaption() {
    QString text = ToQString(kMoreColorsText);
    const qsizetype at = text.indexOf(QLatin1Char(kMoreColorsKey));
    if (at >= 0) text.insert(at, QLatin1Char('&'));
    return text;
}

}  // namespace

ColorPalettePopup::ColorPalettePopup(const QColor& current, double scale, QWidget* parent)
    : QWidget(parent, Qt::Popup), logic_(ToColorRef(current), scale) {
    setObjectName(QStringLiteral("colorPalette"));
    setAccessibleName(QStringLiteral("Color palette"));
    setMouseTracking(true);
    setPalette(QApplication::palette("QMenu"));
    setFont(QApplication::font("QMenu"));
    setAutoFillBackground(true);
    setFixedSize(logic_.layout().width(), logic_.layout().height());
}

double ColorPalettePopup::PaletteScale(const QWidget* widget) {
    const double dpi = widget != nullptr ? widget->logicalDpiY() : 96.0;
    return std::max(1.0, dpi / 96.0);
}

void ColorPalettePopup::popUp(const QRect& pickerGlobal) {
    QScreen* screen = QGuiApplication::screenAt(pickerGlobal.center());
    if (screen == nullptr && parentWidget() != nullptr) screen = parentWidget()->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 640, 480);
    const PaletteRect placed = PlacePalette(
        {pickerGlobal.x(), pickerGlobal.y(), pickerGlobal.width(), pickerGlobal.height()},
        width(), height(), {area.x(), area.y(), area.width(), area.height()});
    setGeometry(placed.x, placed.y, placed.width, placed.height);
    show();
    setFocus(Qt::PopupFocusReason);
}

void ColorPalettePopup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = 1;
    style()->drawPrimitive(QStyle::PE_FrameMenu, &frame, &painter, this);

    const PaletteLayout& layout = logic_.layout();
    painter.setPen(ToQColor(kPaletteOutlineColour));
    for (int i = 0; i < layout.colourCount(); ++i) {
        const QRect cell = ToQRect(layout.CellRect(i));
        painter.fillRect(cell, ToQColor(logic_.Colour(i)));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }
    DrawButton(painter);

    const int line = std::max(1, static_cast<int>(std::lround(PaletteScale(this))));
    const int hovered = logic_.hovered();
    if (hovered != kPaletteNoItem && hovered != logic_.sunken() &&
        hovered != layout.MoreColorsItem()) {
        qDrawShadeRect(&painter, ToQRect(layout.FrameRect(hovered)), palette(), false, line);
    }
    if (logic_.sunken() != kPaletteNoItem) {
        qDrawShadeRect(&painter, ToQRect(layout.FrameRect(logic_.sunken())), palette(), true, line);
    }
}

void ColorPalettePopup::DrawButton(QPainter& painter) const {
    // The style's own push button, lit while the mouse is over it.
    QStyleOptionButton button;
    button.initFrom(this);
    button.rect = ToQRect(logic_.layout().ButtonRect());
    button.text = MoreColorsCaption();
    button.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus);
    button.state |= QStyle::State_Raised;
    if (logic_.hovered() == logic_.layout().MoreColorsItem()) button.state |= QStyle::State_MouseOver;
    style()->drawControl(QStyle::CE_PushButton, &button, &painter, this);
}

void ColorPalettePopup::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (rect().contains(at)) return;  // cells and the button act on release
    // A press on the picker that opened the pop-up only closes it; replayed,
    // it would open the pop-up again at once.
    const QWidget* picker = parentWidget();
    if (picker != nullptr &&
        QRect(picker->mapToGlobal(QPoint(0, 0)), picker->size())
            .contains(event->globalPosition().toPoint())) {
        setAttribute(Qt::WA_NoMouseReplay);
    }
    Finish(logic_.Click(at.x(), at.y()));
}

void ColorPalettePopup::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (logic_.Hover(at.x(), at.y())) update();
}

void ColorPalettePopup::leaveEvent(QEvent*) {
    if (logic_.Leave()) update();
}

void ColorPalettePopup::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    Finish(logic_.Click(at.x(), at.y()));
}

void ColorPalettePopup::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((event->modifiers() & Qt::AltModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        Finish(logic_.AltKey(static_cast<char>('A' + (key - Qt::Key_A))));
        return;
    }
    QWidget::keyPressEvent(event);  // Escape closes a pop-up unchanged
}

void ColorPalettePopup::Finish(PaletteResult result) {
    switch (result) {
        case PaletteResult::Open:
            return;
        case PaletteResult::Picked:
            repaint();  // the sunken frame, before the pop-up goes
            close();
            emit colorPicked(ToQColor(logic_.chosen()));
            return;
        case PaletteResult::MoreColors:
            close();
            emit moreColorsRequested();
            return;
        case PaletteResult::Dismissed:
            close();
            return;
    }
}

}  // namespace quorvix
