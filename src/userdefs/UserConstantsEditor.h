#pragma once
// The logic of the "List of user-defined constants" dialog: add and remove
// user constants in the caller's list, in place. The view shows lines(),
// the three field texts and the focus, and forwards Add, Remove, selection
// and F1 here; changed() tells the caller whether to save and rebuild.

#include <string>
#include <vector>

#include "platform/HelpViewer.h"
#include "platform/Prompter.h"
#include "userdefs/EditorList.h"
#include "userdefs/UserRecords.h"

namespace quorvix {

class UserConstantsEditor : public EditorList {
public:
    static constexpr const char* kCaption = "List of user-defined constants";
    static constexpr const char* kAddCaption = "Add Constants";
    static constexpr const char* kHelpKeyword = "User-defined Constants";
    static constexpr const char* kTooMany = "Only %d user-defined constants are allowed";
    static constexpr const char* kFillOut =
        "Please fill out the Name, Unit (Optional), and Value of the constant";
    static constexpr const char* kNameTooLong =
        "The name of the constant must be %d characters or fewer.";
    static constexpr const char* kUnitTooLong =
        "The unit of the constant must be %d characters or fewer.";

    enum class Field { None, Name, Unit, Value };

    UserConstantsEditor(std::vector<UserConstant>& constants, Prompter& prompter);

    // Field texts as the dialog shows them.
    std::string nameText;
    std::string unitText;
    std::string valueText;

    void Select(int line);
    void Add();
    void Remove();
    void Help(HelpViewer& help) const { help.OpenAtKeyword(kHelpKeyword); }

    Field focus() const { return focus_; }

private:
    void Refuse(const std::string& text);
    void ShowFields();

    std::vector<UserConstant>& constants_;
    Prompter& prompter_;
    // The values as last read from the fields.
    std::string name_;
    std::string unit_;
    double value_ = 0.0;
    Field focus_ = Field::None;
};

}  // namespace quorvix
