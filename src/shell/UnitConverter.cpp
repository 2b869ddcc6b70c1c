#include "shell/UnitConverter.h"

#include <cmath>

#include "engine/TextRules.h"
#include "platform/NumberField.h"
#include "units/TemperatureScales.h"

namespace quorvix {

std::string UnitConverter::CannotConvertMessage(const std::string& failure) {
    std::string message = kCannotConvert;
    if (failure.empty()) return message;
    std::string sentence = failure;
    sentence.front() = UpperAscii(sentence.front());
    return message + "\n" + sentence + ".";
}

UnitConverter::UnitConverter(UnitConversionService& converter, Prompter& prompter,
                             std::string directory)
    : converter_(converter), prompter_(prompter), directory_(std::move(directory)) {
    recent_.Load(directory_);
    if (recent_.size() >= 2) {
        from_ = {recent_.at(0), 0};
        to_ = {recent_.at(1), 1};
    }
    ShowFields();
}

std::string UnitConverter::UnitText(const UnitBox& box) const {
    if (box.selected >= 0 && static_cast<std::size_t>(box.selected) < recent_.size()) {
        return std::string(TrimSpacesAndTabs(recent_.at(static_cast<std::size_t>(box.selected))));
    }
    return std::string(TrimSpacesAndTabs(box.text));
}

void UnitConverter::ShowFields() {
    valueText = FormatNumberField(value_);
    resultText = FormatNumberField(result_);
}

void UnitConverter::ShowWithValue(double value) {
    value_ = value;
    ShowFields();
    visible_ = true;
}

const char* UnitConverter::ConvertValue(const std::string& from, const std::string& to,
                                        double& converted) {
    // The engine refuses a temperature below absolute zero; the message
    // names that cause by the engine's own rule.
    if (converter_.ConvertUnits(value_, from, to, converted) != kNoError) {
        return IsTemperatureBelowAbsoluteZero(value_, from, to) ? kBelowAbsoluteZero
                                                                 : kCannotConvert;
    }
    // A result that overflowed (1E308 km in m) or came from a user factor of
    // 0 is no conversion: shown, it would be a result field that the next
    // Convert could not read back.
    if (!std::isfinite(converted)) return kOverflow;
    return nullptr;
}

void UnitConverter::ClearResult() {
    result_ = 0.0;
    resultText.clear();
}

void UnitConverter::Convert() {
    // The focus moves only when this command refuses something.
    focus_ = Field::None;
    const std::string from = UnitText(from_);
    const std::string to = UnitText(to_);
    if (from.empty()) {
        prompter_.ShowMessage(kCaption, kNoFromUnit, PromptIcon::Exclamation);
        focus_ = Field::From;
        return;
    }
    if (to.empty()) {
        prompter_.ShowMessage(kCaption, kNoToUnit, PromptIcon::Exclamation);
        focus_ = Field::To;
        return;
    }
    // A value that is not a number stops the conversion (its message is the
    // only one): converting the previous value would show a result that
    // belongs to no value on screen. An emptied result field is no fault.
    if (!ReadNumberField(valueText, value_, prompter_)) {
        ClearResult();
        focus_ = Field::Value;
        return;
    }
    if (!resultText.empty()) ReadNumberField(resultText, result_, prompter_);
    double converted = 0.0;
    if (const char* failure = ConvertValue(from, to, converted)) {
        ClearResult();
        // An unknown or incompatible unit is named by the engine's detail.
        const std::string message = failure == kCannotConvert
                                        ? CannotConvertMessage(converter_.FailureText())
                                        : std::string(failure);
        prompter_.ShowMessage(kCaption, message, PromptIcon::Exclamation);
        focus_ = failure == kCannotConvert ? Field::From : Field::Value;
        return;
    }
    result_ = converted;
    ShowFields();
    // Typed units enter the recent list, the to unit first, so that the
    // from unit ends up in front.
    const bool recordTo = to_.selected < 0;
    const bool recordFrom = from_.selected < 0;
    if (recordTo) Record(to);
    if (recordFrom) Record(from);
}

void UnitConverter::Record(const std::string& name) {
    recent_.Record(name);
    Reselect(from_);
    Reselect(to_);
}

void UnitConverter::Reselect(UnitBox& box) const {
    if (box.selected < 0) return;
    box.selected = -1;
    for (std::size_t i = 0; i < recent_.size(); ++i) {
        if (recent_.at(i) == box.text) {
            box.selected = static_cast<int>(i);
            return;
        }
    }
}

void UnitConverter::Choose(UnitBox& box, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= recent_.size()) return;
    box = {recent_.at(static_cast<std::size_t>(index)), index};
    focus_ = Field::None;
    const std::string from = UnitText(from_);
    const std::string to = UnitText(to_);
    if (from.empty() || to.empty()) return;
    // No message of any kind comes from a list choice: an unreadable value
    // or a failed conversion empties the result.
    double converted = 0.0;
    if (!ParseNumberField(valueText, value_) || ConvertValue(from, to, converted) != nullptr) {
        ClearResult();
        return;
    }
    result_ = converted;
    ShowFields();
}

void UnitConverter::ChooseFrom(int index) { Choose(from_, index); }
void UnitConverter::ChooseTo(int index) { Choose(to_, index); }

void UnitConverter::Switch() {
    const std::string from = UnitText(from_);
    const std::string to = UnitText(to_);
    from_ = {to, -1};
    to_ = {from, -1};
    Convert();
}

}  // namespace quorvix
