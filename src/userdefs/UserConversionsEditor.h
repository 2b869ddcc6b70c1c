#pragma once
// The logic of the "User-defined Conversions" dialog: add and remove the
// user part of the shared conversion list (entries 275 on), in place. A new
// conversion is refused when the conversion engine can already convert
// between the two units.

#include <string>

#include "engine/UnitConversionService.h"
#include "platform/HelpViewer.h"
#include "platform/Prompter.h"
#include "units/ConversionList.h"
#include "userdefs/EditorList.h"

namespace quorvix {

class UserConversionsEditor : public EditorList {
public:
    static constexpr const char* kCaption = "User-defined Conversions";
    static constexpr const char* kAddCaption = "Add Conversions";
    static constexpr const char* kHelpKeyword = "User-defined Conversions";
    static constexpr const char* kTooMany = "Only %d user-defined conversions are allowed";
    static constexpr const char* kFillOut =
        "Please fill out the From Unit, the To Unit, and the Conversion Factor for the "
        "conversion";
    static constexpr const char* kNameTooLong =
        "The names of the conversion units must be %d characters or fewer.";
    static constexpr const char* kAlreadyExists = "The specified conversion already exists.";

    enum class Field { None, From, To, Factor };

    // converter must search this same list.
    UserConversionsEditor(ConversionList& list, UnitConversionService& converter,
                          Prompter& prompter);

    std::string fromText;
    std::string toText;
    std::string factorText;

    void Select(int line);
    void Add();
    void Remove();
    void Help(HelpViewer& help) const { help.OpenAtKeyword(kHelpKeyword); }

    Field focus() const { return focus_; }

    // The list box line of a conversion: from + " -> " + to.
    static std::string LineText(const std::string& from, const std::string& to);

private:
    void Refuse(const std::string& text);
    void ShowFields();

    ConversionList& list_;
    UnitConversionService& converter_;
    Prompter& prompter_;
    std::string from_;
    std::string to_;
    double factor_ = 0.0;
    Field focus_ = Field::None;
};

}  // namespace quorvix
