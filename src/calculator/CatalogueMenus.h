#pragma once
// The Constants, Conversions and Functions menus as data, and what each of
// their commands inserts. The user-defined submenus are appended after these
// entries by their own builders.

#include <optional>
#include <string>

#include "platform/CommandIds.h"
#include "platform/MenuModel.h"
#include "userdefs/FunctionInfo.h"
#include "userdefs/UserMenus.h"

namespace quorvix {

class KeypadHost;

// One entry per physical constant ("name (unit)"), then a separator.
MenuItems BuildConstantsMenu();
// "English to Metric" and "Metric to English" submenus, then a separator.
MenuItems BuildConversionsMenu();
// The function group submenus with separators between the kinds.
MenuItems BuildFunctionsMenu();
// The three menus as the submenus "&Constants", "Con&versions" and
// "Func&tions" that replace the menu bar's placeholder.
MenuItems BuildCatalogueMenuBar();

// Puts a user-defined submenu at the end of its catalogue menu, first
// removing the earlier copy that stands at the submenu's position, so that
// rebuilding after an edit never shows two.
void AppendUserSubmenu(MenuItems& menu, const UserSubmenu& submenu);

// The text a constant or conversion command (20000..20062) inserts.
std::optional<std::string> CatalogueInsertText(int command);

// Inserts a function call with the caret between its parentheses and shows
// the function's syntax; works for catalogue and user function rows.
void InsertFunction(const FunctionInfo& row, KeypadHost& host);

// Carries out a catalogue command 20000..20161. False for other ids.
bool RunCatalogueCommand(int command, KeypadHost& host);

}  // namespace quorvix
