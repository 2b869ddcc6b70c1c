#include "calculator/Keypad.h"

#include "calculator/FunctionCatalogue.h"
#include "calculator/KeypadHost.h"
#include "engine/TextRules.h"

namespace quorvix {

namespace {
std::size_t Slot(int keyId) { return static_cast<std::size_t>(keyId - kFirstKeyId); }

bool IsTrigonometricName(const std::string& caption) {
    for (const char* name : {"SIN", "COS", "TAN", "SEC", "CSC", "COT"})
        if (EqualsIgnoringCase(caption, name)) return true;
    return false;
}
}  // namespace

Keypad::Keypad() : math_(MathKeyCaptions()) {
    captions_[Slot(kExeKeyId)] = "EXE";
    captions_[Slot(kAnsKeyId)] = "ANS";
    captions_[Slot(kBackspaceKeyId)] = "<--";
    captions_[Slot(kClearKeyId)] = "CLR";
    for (int d = 0; d < 10; ++d) captions_[Slot(kDigitZeroKeyId + d)] = std::string(1, char('0' + d));
    const char* operators[] = {"*", "/", "+", "-", "^", "%", "(", ")"};
    for (int k = 0; k < 8; ++k) captions_[Slot(kFirstOperatorKeyId + k)] = operators[k];
    captions_[Slot(kConstKeyId)] = "const";
    captions_[Slot(kConvKeyId)] = "conv";
    captions_[Slot(kFuncKeyId)] = "func";
    SetSeparatorCaptions('.', ',');
    ApplyKeypadLayout(static_cast<int>(KeypadLayout::Math), MathKeyCaptions());
}

const std::string& Keypad::Caption(int keyId) const {
    static const std::string none;
    return IsKeyId(keyId) ? captions_[Slot(keyId)] : none;
}

void Keypad::ApplyKeypadLayout(int mode, const std::array<std::string, kCustomKeyCount>& custom) {
    const std::array<std::string, kLayoutKeyCount>* source = &math_;
    if (mode == static_cast<int>(KeypadLayout::Finance)) source = &FinanceKeyCaptions();
    if (mode == static_cast<int>(KeypadLayout::Custom)) source = &custom;
    for (int k = 0; k < kLayoutKeyCount; ++k)
        captions_[Slot(kFirstLayoutKeyId + k)] = (*source)[static_cast<std::size_t>(k)];
}

void Keypad::SetSeparatorCaptions(char decimalSeparator, char argumentSeparator) {
    captions_[Slot(kDecimalSeparatorKeyId)] = std::string(1, decimalSeparator);
    captions_[Slot(kArgumentSeparatorKeyId)] = std::string(1, argumentSeparator);
}

void Keypad::SetExponentKeyForBase(int base) {
    const std::string caption = base > 10 ? "#" : "E";
    captions_[Slot(kExponentKeyId)] = caption;
    math_[kExponentLayoutPosition] = caption;
}

void Keypad::PressKey(int keyId, KeypadHost& host) {
    switch (keyId) {
        case kExeKeyId: host.EvaluateCurrentLine(); return;
        case kAnsKeyId: host.InsertText("ANS"); return;
        case kBackspaceKeyId:
            host.Display().QueueKey(DisplayKey::Backspace);
            host.Display().SetFocus();
            return;
        case kClearKeyId: host.ClearEntry(); return;
        case kConstKeyId:
        case kConvKeyId:
        case kFuncKeyId:
            host.ShowNextTip();
            host.OpenCatalogueMenu(keyId == kConstKeyId  ? CatalogueMenuKind::Constants
                                   : keyId == kConvKeyId ? CatalogueMenuKind::Conversions
                                                         : CatalogueMenuKind::Functions);
            return;
        default: break;
    }
    if (keyId >= kArgumentSeparatorKeyId && keyId <= kLastOperatorKeyId)
        PressTextKey(keyId, host);
    else if (IsLayoutKeyId(keyId))
        PressFunctionKey(keyId, host);
}

void Keypad::PressTextKey(int keyId, KeypadHost& host) {
    if (keyId < kArgumentSeparatorKeyId || keyId > kLastOperatorKeyId) return;
    host.InsertText(captions_[Slot(keyId)]);
}

void Keypad::PressFunctionKey(int keyId, KeypadHost& host) {
    if (!IsLayoutKeyId(keyId)) return;
    std::string caption = captions_[Slot(keyId)];
    const bool inverse = inv_;
    const bool hyperbolic = hyp_;
    const bool isFunction = LookUpFunction(caption, host.UserFunctions()).has_value();
    if (IsTrigonometricName(caption)) {
        if (inverse) caption = "arc" + caption;
        if (hyperbolic) caption += "h";
        inv_ = false;
        hyp_ = false;
    }
    if (isFunction) {
        host.SetHelpKeyword(caption);
        host.InsertText(caption + "()");
        host.Display().QueueKey(DisplayKey::Left);
    } else {
        host.InsertText(caption);
    }
}

KeypadFonts MakeKeypadFonts(const Settings& settings, int dotsPerInchY) {
    KeypadFonts fonts{settings.keypadFont, settings.keypadFont, settings.keypadFont};
    fonts.number.height = FontHeightForPoints(dotsPerInchY, settings.numberSize);
    fonts.operators.height = FontHeightForPoints(dotsPerInchY, settings.operatorSize);
    fonts.function.height = FontHeightForPoints(dotsPerInchY, settings.functionSize);
    return fonts;
}

const FontRecord& KeyFont(const KeypadFonts& fonts, int keyId) {
    switch (KeyFontClass(keyId)) {
        case KeyClass::Number: return fonts.number;
        case KeyClass::Operator: return fonts.operators;
        case KeyClass::Function: break;
    }
    return fonts.function;
}

std::uint32_t KeyCaptionColour(const Settings& settings, int keyId) {
    switch (KeyColourClass(keyId)) {
        case KeyClass::Number: return settings.numberColor;
        case KeyClass::Operator: return settings.operatorColor;
        case KeyClass::Function: break;
    }
    return settings.functionColor;
}

CaptionOrigin KeyCaptionOrigin(int keyWidth, int keyHeight, int textWidth, int textHeight,
                               bool pressed, int pressedOffsetX, int pressedOffsetY) {
    CaptionOrigin origin{(keyWidth - textWidth) / 2, (keyHeight - textHeight) / 2};
    if (pressed) {
        origin.x += pressedOffsetX;
        origin.y += pressedOffsetY;
    }
    return origin;
}

bool CustomKeysEditor::Change() {
    if (selected_ < 0) return false;
    const std::string caption(TrimSpacesAndTabs(editText));
    if (caption.empty()) return false;
    captions_[static_cast<std::size_t>(selected_)] = caption;
    return true;
}

}  // namespace quorvix
