#pragma once
// The "User-defined ..." submenus at the end of the constants, conversions
// and functions catalogue menus, as data, and what their entries insert into
// the display when chosen.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CommandIds.h"
#include "units/ConversionList.h"
#include "userdefs/UserRecords.h"

namespace quorvix {

struct UserMenuEntry {
    std::string text;  // empty for a separator
    int command = 0;   // 0 for a separator
    bool separator() const { return command == 0; }
};

struct UserSubmenu {
    std::string caption;
    // Position in its catalogue menu where an earlier copy of this submenu
    // stands; the catalogue menu deletes that entry before appending this one.
    int position = 0;
    std::vector<UserMenuEntry> entries;
};

// The entry texts the catalogue menus share with these: a conversion
// "from -> to", a constant "name (unit)" (the name alone without a unit).
inline constexpr std::string_view kConversionArrow = " -> ";
std::string ConversionCaption(std::string_view from, std::string_view to);
std::string UserConstantCaption(const UserConstant& constant);
// What a conversion entry types: "*" and its factor.
std::string MultiplyByText(double factor);

UserSubmenu BuildUserConstantsMenu(const std::vector<UserConstant>& constants);
UserSubmenu BuildUserConversionsMenu(const ConversionList& list);
UserSubmenu BuildUserFunctionsMenu(const std::vector<UserFunction>& functions);

// What choosing an entry types into the display.
struct UserMenuInsertion {
    std::string text;
    // Characters from the end of text to leave the caret at (1 puts it
    // between the parentheses of "NAME()").
    int caretBackFromEnd = 0;
    std::string tip;  // help-line tip to show, empty for none
};

// What a function entry types: "Name()" with the caret between the
// parentheses, and the function's syntax as the tip.
UserMenuInsertion FunctionInsertion(const FunctionInfo& row);

// The insertion of a user constant, conversion or function command, or
// nothing when the command is not one of those entries.
std::optional<UserMenuInsertion> UserMenuCommandInsertion(
    int command, const std::vector<UserConstant>& constants, const ConversionList& list,
    const std::vector<UserFunction>& functions);

}  // namespace quorvix
