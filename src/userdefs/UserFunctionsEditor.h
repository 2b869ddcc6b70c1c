#pragma once
// The logic of the "User-defined Functions" dialog: add and remove user
// functions in the caller's list, in place. A new function's name must be a
// valid, unreserved name not yet used, and its expression must parse with
// the engine, given its argument slots a, b, c, ... and t.

#include <string>
#include <vector>

#include "platform/HelpViewer.h"
#include "platform/Prompter.h"
#include "userdefs/EditorList.h"
#include "userdefs/UserRecords.h"

namespace quorvix {

class UserFunctionsEditor : public EditorList {
public:
    static constexpr const char* kCaption = "User-defined Functions";
    static constexpr const char* kAddCaption = "Add Functions";
    static constexpr const char* kHelpKeyword = "User-defined Functions";
    static constexpr const char* kTooMany = "Only %d user-defined functions are allowed";
    static constexpr const char* kFillOut = "Please fill out the Name and Expression fields";
    static constexpr const char* kNameTooLong =
        "The name of the function must be %d characters or fewer.";
    static constexpr const char* kInvalidName = "The function name is not valid";
    static constexpr const char* kNameUsed =
        "The chosen name is already used.  Please choose another name";
    static constexpr const char* kExpressionTooLong =
        "The expression for the function must be %d characters or fewer.";
    static constexpr const char* kSyntaxTooLong =
        "The syntax of the function must be %d characters or fewer.";
    static constexpr const char* kDescriptionTooLong =
        "The description of the function must be %d characters or fewer.";
    static constexpr const char* kBadArgumentCount = "Please enter a valid number of arguments";

    // The range of the Arguments up-down control.
    static constexpr int kMinArguments = 1;
    static constexpr int kMaxArguments = 15;

    enum class Field { None, Name, Arguments, Expression, Syntax, Description };

    UserFunctionsEditor(std::vector<UserFunction>& functions, Prompter& prompter);

    std::string nameText;
    std::string argumentsText;  // the up-down control's text
    std::string expressionText;
    std::string syntaxText;
    std::string descriptionText;

    void Select(int line);
    void Add();
    void Remove();
    void Help(HelpViewer& help) const { help.OpenAtKeyword(kHelpKeyword); }

    Field focus() const { return focus_; }
    // Characters of the expression field selected after a failed trial
    // compilation (start index into expressionText, length); length 0 for none.
    int selectionStart() const { return selectionStart_; }
    int selectionLength() const { return selectionLength_; }

    // The argument count that an Arguments text stands for: a whole number
    // from 1 to 15, else 0.
    static int ArgumentCount(const std::string& text);

private:
    void Refuse(const std::string& text, Field focus);
    void RefusePlain(const std::string& text, Field focus);
    bool NameInUse(const std::string& name) const;
    // Parses the expression with n argument slots; on a parse error shows the
    // engine's message, selects the faulty text and returns false.
    bool TrialCompile(const std::string& expression, int n);

    std::vector<UserFunction>& functions_;
    Prompter& prompter_;
    Field focus_ = Field::None;
    int selectionStart_ = 0;
    int selectionLength_ = 0;
};

}  // namespace quorvix
