#pragma once
// The calculator window's menu bar as data: "&Options" with the check marks
// of the current settings, "&Commands", "&Functions" (the catalogue menus
// with the user-defined submenus) and "&Help". The window rebuilds a menu
// from here each time it opens.

#include <string_view>

#include "platform/MenuModel.h"

namespace quorvix {

struct Settings;
class UserDefinitions;

MenuItems BuildOptionsMenu(const Settings& settings);
MenuItems BuildCommandsMenu();
// "&Constants", "Con&versions" and "Func&tions", each ending with its
// user-defined submenu.
MenuItems BuildCatalogueMenusWithUserEntries(const UserDefinitions& userDefinitions);
// The menu bar's "&Functions": "&Search..." (Ctrl+K), a separator, then the
// three catalogue menus.
MenuItems BuildMenuBarFunctionsMenu(const UserDefinitions& userDefinitions);
MenuItems BuildHelpMenu();

// The command of the enabled entry (searched through the submenus) whose
// shown key is shortcut ("Ctrl+S"); 0 when no entry has it. The window runs
// its standard keys through this, so a key does exactly what its entry does.
int CommandForShortcut(const MenuItems& items, std::string_view shortcut);

// The four menus as submenus, in menu bar order.
MenuItems BuildWindowMenuBar(const Settings& settings, const UserDefinitions& userDefinitions);

}  // namespace quorvix
