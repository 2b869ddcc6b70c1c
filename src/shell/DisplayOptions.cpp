#include "shell/DisplayOptions.h"

#include <algorithm>

#include "calculator/Settings.h"
#include "engine/TextRules.h"
#include "platform/NumberField.h"
#include "platform/Prompter.h"

namespace quorvix {

namespace {

// The order "&Close" reads the size fields in.
constexpr std::array<KeyGroup, kKeyGroupCount> kReadOrder = {KeyGroup::Function, KeyGroup::Number,
                                                              KeyGroup::Operator};

std::size_t Index(KeyGroup group) { return static_cast<std::size_t>(group); }

}  // namespace

DisplayOptionsValues TakeDisplayOptions(const Settings& settings) {
    DisplayOptionsValues v;
    v.foreColor = settings.foreColor;
    v.backColor = settings.backColor;
    v.displayFont = settings.displayFont;
    v.keypadFont = settings.keypadFont;
    v.Key(KeyGroup::Number) = {settings.numberColor, settings.numberSize};
    v.Key(KeyGroup::Operator) = {settings.operatorColor, settings.operatorSize};
    v.Key(KeyGroup::Function) = {settings.functionColor, settings.functionSize};
    v.colorScheme = settings.colorScheme;
    v.highlightSyntax = settings.highlightSyntax;
    return v;
}

void PutDisplayOptions(const DisplayOptionsValues& values, Settings& settings) {
    settings.foreColor = values.foreColor;
    settings.backColor = values.backColor;
    settings.displayFont = values.displayFont;
    settings.keypadFont = values.keypadFont;
    settings.numberColor = values.Key(KeyGroup::Number).colour;
    settings.numberSize = values.Key(KeyGroup::Number).size;
    settings.operatorColor = values.Key(KeyGroup::Operator).colour;
    settings.operatorSize = values.Key(KeyGroup::Operator).size;
    settings.functionColor = values.Key(KeyGroup::Function).colour;
    settings.functionSize = values.Key(KeyGroup::Function).size;
    settings.colorScheme = values.colorScheme;
    settings.highlightSyntax = values.highlightSyntax;
}

bool ParseKeyFontSize(std::string_view text, std::int32_t& size) {
    std::string_view field = TrimSpacesTabsAndLineBreaks(text);
    bool negative = false;
    if (!field.empty() && (field.front() == '+' || field.front() == '-')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    if (field.empty()) return false;
    // Digits only; the running value stops growing past the range, so a
    // field of a thousand digits cannot overflow.
    long value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') return false;
        value = std::min<long>(value * 10 + (c - '0'), kMaxKeyFontSize + 1);
    }
    if (negative) value = -value;
    if (value < kMinKeyFontSize || value > kMaxKeyFontSize) return false;
    size = static_cast<std::int32_t>(value);
    return true;
}

std::string KeyFontSizeRangeMessage() {
    return "Please enter an integer between " + std::to_string(kMinKeyFontSize) + " and " +
           std::to_string(kMaxKeyFontSize) + ".";
}

std::string DisplayOptions::SizeText(KeyGroup group) const {
    return std::to_string(std::clamp(values_.Key(group).size, kMinKeyFontSize, kMaxKeyFontSize));
}

void DisplayOptions::TakeTextColour(std::uint32_t colour) {
    colour &= 0xFFFFFF;
    if (values_.colorScheme == WindowColors::System && colour != TextColour())
        values_.colorScheme = WindowColors::Stored;
    values_.foreColor = colour;
}

void DisplayOptions::TakeScheme(WindowColors windows, std::uint32_t text, std::uint32_t background,
                                const std::array<std::uint32_t, kKeyGroupCount>& keys) {
    values_.colorScheme = windows;
    values_.foreColor = text & 0xFFFFFF;
    values_.backColor = background & 0xFFFFFF;
    for (std::size_t i = 0; i < keys.size(); ++i) values_.keys[i].colour = keys[i] & 0xFFFFFF;
}

bool DisplayOptions::Close(const Fields& fields, Prompter& prompter) {
    bool sizesRead = true;
    for (KeyGroup group : kReadOrder) {
        std::int32_t size = 0;
        if (!ParseKeyFontSize(fields.sizes[Index(group)], size)) {
            prompter.ShowMessage(kApplicationTitle, KeyFontSizeRangeMessage(),
                                 PromptIcon::Exclamation);
            sizesRead = false;
            break;
        }
        values_.Key(group).size = size;
    }
    bool ownColours = (fields.background & 0xFFFFFF) != BackgroundColour();
    values_.backColor = fields.background & 0xFFFFFF;
    for (std::size_t i = 0; i < values_.keys.size(); ++i) {
        const std::uint32_t colour = fields.keyColours[i] & 0xFFFFFF;
        ownColours = ownColours || colour != (values_.keys[i].colour & 0xFFFFFF);
        values_.keys[i].colour = colour;
    }
    if (ownColours && values_.colorScheme == WindowColors::System)
        values_.colorScheme = WindowColors::Stored;
    return sizesRead;
}

const char* DisplayOptions::GroupCaption(KeyGroup group) {
    switch (group) {
        case KeyGroup::Number: return "Number Keys";
        case KeyGroup::Operator: return "Operator Keys";
        case KeyGroup::Function: return "Function Keys";
    }
    return "";
}

}  // namespace quorvix
