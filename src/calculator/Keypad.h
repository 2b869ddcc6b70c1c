#pragma once
// The keypad's logic: the caption of every key, the three layouts, the Inv
// and Hyp check boxes and what pressing each key does. Keys never compute;
// they type text into the display, run a display operation or open a
// catalogue menu.

#include <array>
#include <string>

#include "calculator/KeypadKeys.h"
#include "calculator/Settings.h"

namespace quorvix {

class KeypadHost;

class Keypad {
public:
    Keypad();

    // The caption shown on a key; empty for an id that is not a key.
    const std::string& Caption(int keyId) const;

    // Captions of the 21 layout keys from the Math list, the Finance list or
    // the custom captions (mode 0, 1, 2; any other mode shows Math).
    void ApplyKeypadLayout(int mode, const std::array<std::string, kCustomKeyCount>& custom);
    // The separator keys type what they show: the engine's separators.
    void SetSeparatorCaptions(char decimalSeparator, char argumentSeparator);
    // The exponent key shows "#" above base 10 and "E" otherwise; the Math
    // list follows, so a later switch to Math shows the same character.
    void SetExponentKeyForBase(int base);
    const std::array<std::string, kLayoutKeyCount>& MathCaptions() const { return math_; }

    bool inv() const { return inv_; }
    bool hyp() const { return hyp_; }
    void SetInv(bool on) { inv_ = on; }
    void SetHyp(bool on) { hyp_ = on; }

    // A click on any key.
    void PressKey(int keyId, KeypadHost& host);
    // Separator, digit and operator keys: type the caption as shown.
    void PressTextKey(int keyId, KeypadHost& host);
    // Layout keys: functions get "()" with the caret between the
    // parentheses; Inv and Hyp turn the six trigonometric keys into their
    // inverse and hyperbolic forms and are then cleared.
    void PressFunctionKey(int keyId, KeypadHost& host);

private:
    std::array<std::string, kKeyCount> captions_;
    std::array<std::string, kLayoutKeyCount> math_;
    bool inv_ = false;
    bool hyp_ = false;
};

// The three key fonts: the keypad font at each class's size.
struct KeypadFonts {
    FontRecord number;
    FontRecord operators;
    FontRecord function;
};
KeypadFonts MakeKeypadFonts(const Settings& settings, int dotsPerInchY);
const FontRecord& KeyFont(const KeypadFonts& fonts, int keyId);
// Caption colour (0x00BBGGRR) of a key.
std::uint32_t KeyCaptionColour(const Settings& settings, int keyId);

// Where a key's caption is drawn: centred (integer division), moved right
// and down by the pressed offset while the key is pressed.
struct CaptionOrigin {
    int x;
    int y;
};
CaptionOrigin KeyCaptionOrigin(int keyWidth, int keyHeight, int textWidth, int textHeight,
                               bool pressed, int pressedOffsetX, int pressedOffsetY);

// The "Custom Keys" dialog's logic: a list of the 21 custom captions, an
// edit field and a Change button that writes into the captions at once.
class CustomKeysEditor {
public:
    explicit CustomKeysEditor(std::array<std::string, kCustomKeyCount>& captions)
        : captions_(captions) {}

    const std::array<std::string, kCustomKeyCount>& Entries() const { return captions_; }
    // Selecting an entry does not fill the edit field. -1 selects none.
    void Select(int index) { selected_ = (index >= 0 && index < kCustomKeyCount) ? index : -1; }
    int selected() const { return selected_; }
    std::string editText;

    // "&Change": the trimmed edit text replaces the selected caption unless
    // it is empty or nothing is selected. True when a caption was replaced.
    bool Change();

    // The dialog's texts; F1 in it opens the help at kHelpKeyword.
    static constexpr const char* kCaption = "Custom Keys";
    static constexpr const char* kFieldLabel = "Key Caption:";
    static constexpr const char* kChangeButton = "&Change";
    static constexpr const char* kHelpKeyword = "Display";

private:
    std::array<std::string, kCustomKeyCount>& captions_;
    int selected_ = -1;
};

// "&Define Custom...": runs the dialog (editDialog edits settings.customKeys
// in place), then switches to the Custom layout whether or not anything
// changed.
template <typename EditDialog>
void DefineCustomKeys(Settings& settings, Keypad& keypad, EditDialog&& editDialog) {
    editDialog(settings.customKeys);
    settings.mode = static_cast<int>(KeypadLayout::Custom);
    keypad.ApplyKeypadLayout(settings.mode, settings.customKeys);
}

}  // namespace quorvix
