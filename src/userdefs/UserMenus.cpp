#include "userdefs/UserMenus.h"

#include "units/InsertionFormat.h"

namespace quorvix {

namespace {

UserSubmenu StartSubmenu(const char* caption, int position, int editCommand, bool hasEntries) {
    UserSubmenu menu{caption, position, {{"&Edit...", editCommand}}};
    if (hasEntries) menu.entries.push_back({});
    return menu;
}

// Index of command within [first, first + count), or -1.
int EntryIndex(int command, int first, int count) {
    const int index = command - first;
    return (index >= 0 && index < count) ? index : -1;
}

}  // namespace

std::string ConversionCaption(std::string_view from, std::string_view to) {
    std::string caption(from);
    caption.append(kConversionArrow).append(to);
    return caption;
}

std::string UserConstantCaption(const UserConstant& constant) {
    std::string caption = constant.name;
    if (!constant.unit.empty()) caption += " (" + constant.unit + ")";
    return caption;
}

std::string MultiplyByText(double factor) {
    std::string text = "*";
    text += FormatInsertionValue(factor);
    return text;
}

UserSubmenu BuildUserConstantsMenu(const std::vector<UserConstant>& constants) {
    UserSubmenu menu = StartSubmenu("User-defined constants", 36, kEditUserConstantsCommand,
                                    !constants.empty());
    for (std::size_t i = 0; i < constants.size(); ++i) {
        menu.entries.push_back(
            {UserConstantCaption(constants[i]), kFirstUserConstantCommand + static_cast<int>(i)});
    }
    return menu;
}

UserSubmenu BuildUserConversionsMenu(const ConversionList& list) {
    const int count = list.UserConversionCount();
    UserSubmenu menu =
        StartSubmenu("User-defined conversions", 3, kEditUserConversionsCommand, count > 0);
    for (int k = 0; k < count; ++k) {
        const UnitRecord& r = list.at(ConversionList::kFirstUserIndex + k);
        menu.entries.push_back(
            {ConversionCaption(r.name, r.base), kFirstUserConversionCommand + k});
    }
    return menu;
}

UserSubmenu BuildUserFunctionsMenu(const std::vector<UserFunction>& functions) {
    UserSubmenu menu = StartSubmenu("User-defined functions", 15, kEditUserFunctionsCommand,
                                    !functions.empty());
    for (std::size_t i = 0; i < functions.size(); ++i) {
        menu.entries.push_back({functions[i].name, kFirstUserFunctionCommand + static_cast<int>(i)});
    }
    return menu;
}

UserMenuInsertion FunctionInsertion(const FunctionInfo& row) {
    std::string tip = "Syntax: ";
    tip += CallSyntax(row);
    return UserMenuInsertion{row.name + "()", 1, tip};
}

std::optional<UserMenuInsertion> UserMenuCommandInsertion(
    int command, const std::vector<UserConstant>& constants, const ConversionList& list,
    const std::vector<UserFunction>& functions) {
    int index = EntryIndex(command, kFirstUserConstantCommand, static_cast<int>(constants.size()));
    if (index >= 0) {
        return UserMenuInsertion{FormatInsertionValue(constants[static_cast<std::size_t>(index)].value),
                                 0, {}};
    }
    index = EntryIndex(command, kFirstUserConversionCommand, list.UserConversionCount());
    if (index >= 0) {
        const UnitRecord& r = list.at(ConversionList::kFirstUserIndex + index);
        return UserMenuInsertion{MultiplyByText(r.factor), 0, {}};
    }
    index = EntryIndex(command, kFirstUserFunctionCommand, static_cast<int>(functions.size()));
    if (index >= 0) {
        return FunctionInsertion(functions[static_cast<std::size_t>(index)]);
    }
    return std::nullopt;
}

}  // namespace quorvix
