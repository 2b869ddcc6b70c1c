#include "gui/keypad/KeypadPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "calculator/FrameIndicators.h"
#include "calculator/KeySpokenNames.h"
#include "calculator/KeypadHost.h"
#include "calculator/PopupHelp.h"
#include "calculator/Settings.h"
#include "gui/common/AccessibleTexts.h"
#include "gui/common/QtColorRef.h"
#include "gui/common/QtFontRecord.h"
#include "gui/common/QtText.h"
#include "gui/keypad/KeyButton.h"

namespace quorvix {

namespace {

std::size_t Slot(int keyId) { return static_cast<std::size_t>(keyId - kFirstKeyId); }

// The rows of keys below the indicators: the small function keys (rows 2..5)
// and the large number keys (rows 6..10).
constexpr int kFirstSmallKeyRow = 2;
constexpr int kFirstLargeKeyRow = 6;

QLabel* MakeIndicator(const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(QFontMetrics(label->font()).horizontalAdvance(QStringLiteral("Base-36")) + 8);
    return label;
}

QCheckBox* MakeCheckBox(const QString& objectName, const QString& text, const char* name,
                        QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(objectName);
    box->setAccessibleName(QString::fromLatin1(name));
    box->setFocusPolicy(Qt::TabFocus);
    return box;
}

}  // namespace

KeypadPanel::KeypadPanel(Keypad& keypad, KeypadHost& host, QWidget* parent)
    : QWidget(parent), keypad_(keypad), host_(host) {
    setObjectName(QStringLiteral("keypadPanel"));
    buildUi();
    refresh();
}

void KeypadPanel::buildUi() {
    baseIndicator_ = MakeIndicator(QStringLiteral("baseIndicator"), this);
    angleIndicator_ = MakeIndicator(QStringLiteral("angleIndicator"), this);
    inv_ = MakeCheckBox(QStringLiteral("invCheckBox"), QStringLiteral("Inv"), kInvCheckBoxName, this);
    hyp_ = MakeCheckBox(QStringLiteral("hypCheckBox"), QStringLiteral("Hyp"), kHypCheckBoxName, this);
    connect(inv_, &QCheckBox::clicked, this, &KeypadPanel::onCheckBoxToggled);
    connect(hyp_, &QCheckBox::clicked, this, &KeypadPanel::onCheckBoxToggled);

    auto* indicators = new QHBoxLayout;
    indicators->addWidget(baseIndicator_);
    indicators->addWidget(angleIndicator_);
    indicators->addStretch();
    indicators->addWidget(inv_);
    indicators->addWidget(hyp_);

    group_ = new QButtonGroup(this);
    auto* small = new QGridLayout;
    auto* large = new QGridLayout;
    for (const KeyPlacement& place : KeyArrangement()) {
        auto* key = new KeyButton(place.id, this);
        key->setObjectName(QStringLiteral("key%1").arg(place.id));
        keys_[Slot(place.id)] = key;
        group_->addButton(key, place.id);
        if (place.row < kFirstLargeKeyRow)
            small->addWidget(key, place.row - kFirstSmallKeyRow, place.column, 1, place.columnSpan);
        else
            large->addWidget(key, place.row - kFirstLargeKeyRow, place.column, 1, place.columnSpan);
    }
    key(kExeKeyId)->setDefault(true);
    connect(group_, &QButtonGroup::idClicked, this, &KeypadPanel::onKeyClicked);

    // Spacing and key sizes in dialog units of the panel's font, as the
    // keypad was laid out: a quarter of the average character width across,
    // an eighth of the character height down.
    const QFontMetrics metrics(font());
    const double unitX = metrics.averageCharWidth() / 4.0;
    const double unitY = metrics.height() / 8.0;
    const int gap = static_cast<int>(std::lround(2 * unitX));
    for (QGridLayout* grid : {small, large}) {
        grid->setSpacing(gap);
        for (int c = 0; c < grid->columnCount(); ++c) grid->setColumnStretch(c, 1);
    }
    for (KeyButton* k : keys_) {
        const bool isSmall = IsLayoutKeyId(k->keyId()) || k->keyId() >= kConstKeyId;
        const int w = isSmall ? kSmallKeyWidth : kLargeKeyWidth;
        const int h = isSmall ? kSmallKeyHeight : kLargeKeyHeight;
        k->setLayoutSize(QSize(static_cast<int>(std::lround(w * unitX)),
                               static_cast<int>(std::lround(h * unitY))));
    }

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(gap * 2);
    column->addLayout(indicators);
    column->addLayout(small, kSmallKeyHeight * 4);
    column->addLayout(large, kLargeKeyHeight * 5);
}

KeyButton* KeypadPanel::key(int keyId) const {
    return IsKeyId(keyId) ? keys_[Slot(keyId)] : nullptr;
}

void KeypadPanel::refresh() {
    for (KeyButton* k : keys_) {
        const std::string& caption = keypad_.Caption(k->keyId());
        k->setText(ToQString(caption));
        SetAccessibleName(
            k, ToQString(KeySpokenName(k->keyId(), caption, keypad_.inv(), keypad_.hyp())));
    }
    const QSignalBlocker blockInv(inv_);
    const QSignalBlocker blockHyp(hyp_);
    inv_->setChecked(keypad_.inv());
    hyp_->setChecked(keypad_.hyp());
    refreshTooltips();
    updateGeometry();
}

void KeypadPanel::refreshTooltips() {
    const auto tip = [this](QWidget* widget, int id, const std::string& caption) {
        const QString text = ToQString(TooltipFor(id, caption, host_.UserFunctions()));
        SetAccessibleDescription(widget, text);
        widget->setToolTip(tooltipsShown_ ? text : QString());
    };
    for (KeyButton* k : keys_) tip(k, k->keyId(), keypad_.Caption(k->keyId()));
    tip(baseIndicator_, kBaseIndicatorId, {});
    tip(angleIndicator_, kAngleIndicatorId, {});
    tip(inv_, kInvCheckBoxId, {});
    tip(hyp_, kHypCheckBoxId, {});
}

void KeypadPanel::applyAppearance(const Settings& settings) {
    const int dpi = logicalDpiY();
    const KeypadFonts fonts = MakeKeypadFonts(settings, dpi);
    // Looking a font up on the system takes a while: each of the three key
    // fonts (KeyFont gives one of them) is looked up once, not once a key.
    const auto shown = [dpi](const FontRecord& record) {
        return ToShownQFont(record, dpi, FontUse::Keypad);
    };
    const QFont number = shown(fonts.number);
    const QFont operators = shown(fonts.operators);
    const QFont function = shown(fonts.function);
    for (KeyButton* k : keys_) {
        const FontRecord* record = &KeyFont(fonts, k->keyId());
        k->setFont(record == &fonts.number      ? number
                   : record == &fonts.operators ? operators
                                                : function);
        k->setCaptionColor(ToQColor(KeyCaptionColour(settings, k->keyId())));
    }
    refresh();
}

void KeypadPanel::setIndicators(const QString& baseText, const QString& angleText) {
    baseIndicator_->setText(baseText);
    angleIndicator_->setText(angleText);
    SetAccessibleName(baseIndicator_,
                      ToQString(BaseIndicatorSpokenName(ToStdString(baseText))));
    SetAccessibleName(angleIndicator_,
                      ToQString(AngleIndicatorSpokenName(ToStdString(angleText))));
}

void KeypadPanel::setTooltipsShown(bool shown) {
    tooltipsShown_ = shown;
    refreshTooltips();
}

void KeypadPanel::onKeyClicked(int keyId) {
    // A long evaluation keeps the window responsive; a key clicked meanwhile
    // must not start another command inside the running one.
    if (pressing_) return;
    pressing_ = true;
    KeyButton* pressed = key(keyId);
    keyboardKey_ = pressed && pressed->clickedByKeyboard() ? pressed : nullptr;
    // The logic hands the focus to the display, as a mouse click should; a
    // key pressed from the keyboard keeps it, so the user stays in place.
    // The display forwards the focus to the key meanwhile: the focus does
    // not go there and back, which an assistive tool would hear twice.
    QWidget* const home = keyboardKey_ ? focusHome_ : nullptr;
    QWidget* const homeProxy = home ? home->focusProxy() : nullptr;
    if (home) home->setFocusProxy(keyboardKey_);
    keypad_.PressKey(keyId, host_);
    if (home) home->setFocusProxy(homeProxy);
    // Nothing happens when the key still has the focus.
    if (keyboardKey_) keyboardKey_->setFocus(Qt::TabFocusReason);
    keyboardKey_ = nullptr;
    pressing_ = false;
    refresh();
    emit keyPressed(keyId);
}

void KeypadPanel::onCheckBoxToggled() {
    keypad_.SetInv(inv_->isChecked());
    keypad_.SetHyp(hyp_->isChecked());
    refresh();
}

}  // namespace quorvix
