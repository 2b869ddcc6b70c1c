#pragma once
// The unit converter tool window's logic: a value converted from one unit
// to another by the conversion engine. The two unit fields are editable
// drop-down lists over the same recent-units list. The view forwards typing,
// list choices and the buttons here and shows the texts and the focus.

#include <string>

#include "engine/UnitConversionService.h"
#include "platform/HelpViewer.h"
#include "platform/Prompter.h"
#include "shell/UnitConverterRecentUnits.h"

namespace quorvix {

class UnitConverter {
public:
    static constexpr const char* kCaption = "Unit Converter";
    static constexpr const char* kHelpKeyword = "Unit Converter";
    static constexpr const char* kNoFromUnit = "Please enter a unit to convert from.";
    static constexpr const char* kNoToUnit = "Please enter a unit to convert to.";
    static constexpr const char* kCannotConvert =
        "Unable to make the conversion. The units are invalid or are incompatible.";
    static constexpr const char* kOverflow =
        "Unable to make the conversion. The result is too large (overflow).";
    static constexpr const char* kBelowAbsoluteZero =
        "Unable to make the conversion. The temperature is below absolute zero.";

    // The failure message, followed by what the engine said was wrong (the
    // unit it did not understand) as a sentence of its own.
    static std::string CannotConvertMessage(const std::string& failure);

    enum class Field { None, From, To, Value };

    // One editable drop-down list: the edit part's text and the selected
    // entry of the recent list (-1 when the text was typed).
    struct UnitBox {
        std::string text;
        int selected = -1;
    };

    // Reads "Recent.cnv" from directory (empty lists when it cannot be read)
    // and selects the first two entries when there are two.
    UnitConverter(UnitConversionService& converter, Prompter& prompter, std::string directory);

    const RecentUnits& recent() const { return recent_; }
    const UnitBox& from() const { return from_; }
    const UnitBox& to() const { return to_; }

    // Typing into a unit field's edit part clears its selection.
    void TypeFrom(std::string text) { from_ = {std::move(text), -1}; }
    void TypeTo(std::string text) { to_ = {std::move(text), -1}; }
    // Choosing a list entry: converts silently, the recent list unchanged.
    void ChooseFrom(int index);
    void ChooseTo(int index);

    std::string valueText;
    std::string resultText;
    double value() const { return value_; }
    double result() const { return result_; }

    // "&Convert" and Enter: converts with messages and records typed units.
    void Convert();
    // "&Switch": exchanges the unit texts (as typed) and converts.
    void Switch();
    // "Unit &Reference..." and F1.
    void Help(HelpViewer& help) const { help.OpenAtKeyword(kHelpKeyword); }

    // Field that should receive the focus after the last command (None
    // when the command refused nothing).
    Field focus() const { return focus_; }

    // Shown from the calculator's Options menu with its last result as the
    // value, or from the tray menu unchanged.
    void ShowWithValue(double value);
    void Show() { visible_ = true; }
    void Hide() { visible_ = false; }
    bool visible() const { return visible_; }

    // Writes the recent list to "Recent.cnv" (at exit).
    void SaveRecent() const { recent_.Save(directory_); }

private:
    std::string UnitText(const UnitBox& box) const;
    // Converts value() between the two unit texts; on failure the message
    // that says why (null when it converted).
    const char* ConvertValue(const std::string& from, const std::string& to, double& converted);
    // After a failed conversion the result field is emptied, so that no
    // earlier answer stands beside units it does not belong to.
    void ClearResult();
    void Choose(UnitBox& box, int index);
    void ShowFields();
    // After the recent list changed: a selected entry follows its text.
    void Reselect(UnitBox& box) const;
    void Record(const std::string& name);

    UnitConversionService& converter_;
    Prompter& prompter_;
    std::string directory_;
    RecentUnits recent_;
    UnitBox from_;
    UnitBox to_;
    double value_ = 1.0;
    double result_ = 0.0;
    Field focus_ = Field::None;
    bool visible_ = false;
};

}  // namespace quorvix
