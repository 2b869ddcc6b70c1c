#include "userdefs/UserConversionsEditor.h"

#include "engine/TextRules.h"
#include "platform/NumberField.h"
#include "userdefs/UserMenus.h"
#include "userdefs/UserRecords.h"

namespace quorvix {

UserConversionsEditor::UserConversionsEditor(ConversionList& list, UnitConversionService& converter,
                                             Prompter& prompter)
    : list_(list), converter_(converter), prompter_(prompter) {
    std::vector<std::string> lines;
    for (int i = ConversionList::kFirstUserIndex; i < list_.size(); ++i) {
        lines.push_back(LineText(list_.at(i).name, list_.at(i).base));
    }
    Open(std::move(lines));
    ShowFields();
}

std::string UserConversionsEditor::LineText(const std::string& from, const std::string& to) {
    return ConversionCaption(from, to);
}

void UserConversionsEditor::ShowFields() {
    fromText = from_;
    toText = to_;
    factorText = FormatNumberField(factor_);
}

void UserConversionsEditor::Select(int line) {
    if (!SelectLine(line)) return;
    const UnitRecord& r = list_.at(ConversionList::kFirstUserIndex + line);
    from_ = r.name;
    to_ = r.base;
    factor_ = r.factor;
    ShowFields();
}

void UserConversionsEditor::Refuse(const std::string& text) {
    prompter_.ShowMessage(kAddCaption, text, PromptIcon::Exclamation);
}

void UserConversionsEditor::Add() {
    if (list_.UserConversionCount() >= ConversionList::kMaxUserConversions) {
        Refuse(WithLimit(kTooMany, ConversionList::kMaxUserConversions));
        return;
    }
    // Read in the order factor, from, to; a factor that is not a number stops
    // the reading, so all three keep what they held.
    if (ReadNumberField(factorText, factor_, prompter_)) {
        from_ = fromText;
        to_ = toText;
    }
    from_ = std::string(TrimSpacesAndTabs(from_));
    to_ = std::string(TrimSpacesAndTabs(to_));

    if (from_.empty() || to_.empty() || factor_ == 0.0) {
        Refuse(kFillOut);
        return;
    }
    if (from_.size() > kMaxConversionUnit || to_.size() > kMaxConversionUnit) {
        Refuse(WithLimit(kNameTooLong, static_cast<int>(kMaxConversionUnit)));
        return;
    }
    double converted = 0.0;
    if (converter_.ConvertUnits(1.0, from_, to_, converted) == kNoError) {
        prompter_.ShowMessage(kApplicationTitle, kAlreadyExists, PromptIcon::None);
        return;
    }
    if (!list_.AppendUserConversion(from_, to_, factor_)) return;
    AppendLine(LineText(from_, to_));

    from_.clear();
    to_.clear();
    factor_ = 0.0;
    ShowFields();
    focus_ = Field::From;
}

void UserConversionsEditor::Remove() {
    const int line = RemoveSelectedLine();
    if (line < 0) return;
    list_.RemoveUserConversionAt(ConversionList::kFirstUserIndex + line);
    NotifyChanged();
}

}  // namespace quorvix
