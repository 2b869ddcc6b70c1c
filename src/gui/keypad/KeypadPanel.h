#pragma once
// The keypad under the display: the base and angle indicators, the Inv and
// Hyp check boxes and the 48 keys in the arrangement the logic gives. Every
// key click reaches the logic by its id through one button group:
// Keypad::PressKey with the host, then refresh().

#include <QWidget>
#include <array>

#include "calculator/Keypad.h"

class QButtonGroup;
class QCheckBox;
class QLabel;

namespace quorvix {

class KeyButton;
class KeypadHost;
struct Settings;

class KeypadPanel : public QWidget {
    Q_OBJECT
public:
    // The keypad and host belong to the window; the panel only shows them.
    KeypadPanel(Keypad& keypad, KeypadHost& host, QWidget* parent = nullptr);

    // Copies the logic into the widgets: captions (after a layout change,
    // the separators or the exponent key), Inv and Hyp, accessible names and
    // tooltips.
    void refresh();
    // Key fonts (MakeKeypadFonts at this screen's resolution) and caption
    // colours from the settings, then refresh(). Run at start and after the
    // Display Options dialog.
    void applyAppearance(const Settings& settings);
    // The indicator texts ("DEC", "RAD", ...), as the window's logic makes them.
    void setIndicators(const QString& baseText, const QString& angleText);
    // Key and indicator tooltips follow "Show Pop-up Help".
    void setTooltipsShown(bool shown);

    KeyButton* key(int keyId) const;
    QButtonGroup* keyGroup() const { return group_; }
    // The key being pressed from the keyboard, while the logic handles it
    // (null otherwise): a menu it opens opens at that key.
    KeyButton* keyboardKey() const { return keyboardKey_; }
    // The widget the logic hands the focus to after a key (the display).
    // While a key pressed from the keyboard is handled, it passes the focus
    // on to that key, so the focus never leaves the key.
    void setFocusHome(QWidget* home) { focusHome_ = home; }

signals:
    // After the logic has handled the key. A click that arrives while a key
    // is still being handled (events processed during a long evaluation) is
    // ignored.
    void keyPressed(int keyId);

private:
    void buildUi();
    void onKeyClicked(int keyId);
    void onCheckBoxToggled();
    void refreshTooltips();

    Keypad& keypad_;
    KeypadHost& host_;
    std::array<KeyButton*, kKeyCount> keys_{};
    QButtonGroup* group_ = nullptr;
    QCheckBox* inv_ = nullptr;
    QCheckBox* hyp_ = nullptr;
    QLabel* baseIndicator_ = nullptr;
    QLabel* angleIndicator_ = nullptr;
    bool tooltipsShown_ = true;
    bool pressing_ = false;
    KeyButton* keyboardKey_ = nullptr;
    QWidget* focusHome_ = nullptr;
};

}  // namespace quorvix
