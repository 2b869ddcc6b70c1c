#pragma once
// Menus built from the logic's menu data. Every entry carries its command id
// in QAction::data(), so one handler routes them all; check marks and
// enabled states come from the data, never from state kept in an action.

#include <QMenu>
#include <functional>

#include "platform/MenuModel.h"

class QMenuBar;

namespace quorvix {

// Replaces the menu's entries (and submenus) by items.
void FillMenu(QMenu& menu, const MenuItems& items);

// Adds a menu titled caption to the bar whose entries are rebuilt from
// items() each time it opens.
QMenu* AddRebuiltMenu(QMenuBar& bar, const QString& caption, std::function<MenuItems()> items);

// The command id of an action made by FillMenu; 0 for none.
int CommandOf(const QAction* action);

}  // namespace quorvix
