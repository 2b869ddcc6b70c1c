#include "userdefs/UserConstantsEditor.h"

#include "engine/TextRules.h"
#include "platform/NumberField.h"

namespace quorvix {

UserConstantsEditor::UserConstantsEditor(std::vector<UserConstant>& constants, Prompter& prompter)
    : constants_(constants), prompter_(prompter) {
    std::vector<std::string> names;
    for (const UserConstant& c : constants_) names.push_back(c.name);
    Open(std::move(names));
    ShowFields();
}

void UserConstantsEditor::ShowFields() {
    nameText = name_;
    unitText = unit_;
    valueText = FormatNumberField(value_);
}

void UserConstantsEditor::Select(int line) {
    if (!SelectLine(line)) return;
    const UserConstant& c = constants_[static_cast<std::size_t>(line)];
    name_ = c.name;
    unit_ = c.unit;
    value_ = c.value;
    ShowFields();
}

void UserConstantsEditor::Refuse(const std::string& text) {
    prompter_.ShowMessage(kAddCaption, text, PromptIcon::Exclamation);
}

void UserConstantsEditor::Add() {
    if (constants_.size() >= static_cast<std::size_t>(kMaxUserRecords)) {
        Refuse(WithLimit(kTooMany, kMaxUserRecords));
        return;
    }
    // Read in the order name, value, unit; a value that is not a number
    // stops the reading, so the value and the unit keep what they held.
    name_ = nameText;
    if (ReadNumberField(valueText, value_, prompter_)) unit_ = unitText;
    name_ = std::string(TrimSpacesAndTabs(name_));
    unit_ = std::string(TrimSpacesAndTabs(unit_));

    if (name_.empty() || value_ == 0.0) {
        Refuse(kFillOut);
        return;
    }
    if (name_.size() > kMaxConstantName) {
        Refuse(WithLimit(kNameTooLong, static_cast<int>(kMaxConstantName)));
        return;
    }
    if (unit_.size() > kMaxConstantUnit) {
        Refuse(WithLimit(kUnitTooLong, static_cast<int>(kMaxConstantUnit)));
        return;
    }
    constants_.push_back({name_, unit_, value_});
    AppendLine(name_);

    name_.clear();
    unit_.clear();
    value_ = 0.0;
    ShowFields();
    focus_ = Field::Name;
}

void UserConstantsEditor::Remove() {
    const int line = RemoveSelectedLine();
    if (line < 0) return;
    constants_.erase(constants_.begin() + line);
    NotifyChanged();
}

}  // namespace quorvix
