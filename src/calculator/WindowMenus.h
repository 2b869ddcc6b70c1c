#pragma once
// The calculator window's menu bar as data: "&Options" with the check marks
// of the current settings, "&Commands", "&Functions" (the catalogue menus
// with the user-defined submenus) and "&Help". The window rebuilds a menu
// from here each time it opens.

#include "platform/MenuModel.h"

namespace quorvix {

struct Settings;
class UserDefinitions;

MenuItems BuildOptionsMenu(const Settings& settings);
MenuItems BuildCommandsMenu();
// "&Constants", "Con&versions" and "Func&tions", each ending with its
// user-defined submenu.
MenuItems BuildCatalogueMenusWithUserEntries(const UserDefinitions& userDefinitions);
MenuItems BuildHelpMenu();

// The four menus as submenus, in menu bar order.
MenuItems BuildWindowMenuBar(const Settings& settings, const UserDefinitions& userDefinitions);

}  // namespace quorvix
