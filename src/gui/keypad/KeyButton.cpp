#include "gui/keypad/KeyButton.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "calculator/ColourContrast.h"
#include "calculator/Keypad.h"
#include "gui/common/QtColorRef.h"

namespace quorvix {

namespace {
constexpr int kMaxGrowth = 3;
constexpr double kMinCaptionContrast = 3.0;
}  // namespace

QColor CaptionOutlineColor(const QColor& caption, const QColor& face) {
    const std::uint32_t captionRef = ToColorRef(caption);
    if (ContrastRatio(captionRef, ToColorRef(face)) >= kMinCaptionContrast) return {};
    return ContrastRatio(captionRef, 0x000000) >= ContrastRatio(captionRef, 0xFFFFFF)
               ? QColor(Qt::black)
               : QColor(Qt::white);
}

KeyButton::KeyButton(int keyId, QWidget* parent) : QAbstractButton(parent), keyId_(keyId) {
    // A click must not take the focus from the display; the keyboard can
    // still reach every key with Tab.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void KeyButton::setCaptionColor(const QColor& color) {
    if (color == captionColor_) return;
    captionColor_ = color;
    update();
}

void KeyButton::setDefault(bool isDefault) {
    if (isDefault == default_) return;
    default_ = isDefault;
    update();
}

void KeyButton::setLayoutSize(const QSize& size) {
    layoutSize_ = size;
    updateGeometry();
}

QSize KeyButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this);
    const QSize caption(metrics.horizontalAdvance(text()) + 2 * margin, metrics.height() + margin);
    if (layoutSize_.isEmpty()) return caption;
    // A caption may widen its key up to three times the layout size; beyond
    // that (an absurd size in a hand-edited settings file) it is clipped, so
    // the keypad still fits on the screen.
    return caption.boundedTo(layoutSize_ * kMaxGrowth).expandedTo(layoutSize_);
}

QSize KeyButton::minimumSizeHint() const { return sizeHint(); }

void KeyButton::keyPressEvent(QKeyEvent* event) {
    // Enter on a focused key presses that key (not the window's EXE).
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        event->accept();
        if (event->isAutoRepeat()) return;
        clickedByKeyboard_ = true;
        click();
        clickedByKeyboard_ = false;
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void KeyButton::keyReleaseEvent(QKeyEvent* event) {
    // Space clicks when it is released.
    clickedByKeyboard_ = event->key() == Qt::Key_Space;
    QAbstractButton::keyReleaseEvent(event);
    clickedByKeyboard_ = false;
}

void KeyButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.features = default_ ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
    const bool pressed = isDown() || isChecked();
    option.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

    const QFontMetrics metrics(font());
    const CaptionOrigin origin = KeyCaptionOrigin(
        width(), height(), metrics.horizontalAdvance(text()), metrics.height(), pressed,
        style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
        style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.setFont(font());
    const QPoint baseline(origin.x, origin.y + metrics.ascent());
    const QColor outline = CaptionOutlineColor(captionColor_, palette().color(QPalette::Button));
    if (isEnabled() && outline.isValid()) {
        painter.setPen(outline);
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (dx != 0 || dy != 0) painter.drawText(baseline + QPoint(dx, dy), text());
    }
    painter.setPen(isEnabled() ? captionColor_ : palette().color(QPalette::Disabled,
                                                                  QPalette::ButtonText));
    painter.drawText(baseline, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

}  // namespace quorvix
