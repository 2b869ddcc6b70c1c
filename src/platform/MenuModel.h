#pragma once
// A menu as plain data: entries with a caption and a command id, separators
// and submenus, with each entry's check mark and enabled state. The host turns
// it into real menus (rebuilding them each time one opens, so the marks are
// current) and reports the command id of the chosen entry.

#include <string>
#include <utility>
#include <vector>

namespace quorvix {

struct MenuItem {
    enum class Kind { Command, Separator, Submenu };

    Kind kind = Kind::Command;
    std::string caption;
    int command = 0;                 // for Command entries
    std::vector<MenuItem> children;  // for Submenu entries
    bool checkable = false;          // shows a check mark when checked
    bool checked = false;
    bool enabled = true;
    std::string shortcut;            // key shown beside the caption, e.g. "F1"
    bool isDefault = false;          // the menu's default entry, shown in bold
    std::string toolTip;             // shown when the pointer rests on the entry
    // For assistive tools, where the caption reads badly or says little:
    // the entry's spoken name ("foot to meter" for "foot -> meter") and a
    // description. Empty when the caption says it all.
    std::string spokenName;
    std::string description;

    static MenuItem Entry(std::string caption, int command) {
        MenuItem item;
        item.caption = std::move(caption);
        item.command = command;
        return item;
    }
    // An entry that carries a check mark (or its empty place).
    static MenuItem Check(std::string caption, int command, bool checked) {
        MenuItem item = Entry(std::move(caption), command);
        item.checkable = true;
        item.checked = checked;
        return item;
    }
    static MenuItem Separator() {
        MenuItem item;
        item.kind = Kind::Separator;
        return item;
    }
    static MenuItem Submenu(std::string caption, std::vector<MenuItem> children) {
        MenuItem item;
        item.kind = Kind::Submenu;
        item.caption = std::move(caption);
        item.children = std::move(children);
        return item;
    }
};

// A list of entries: a whole pop-up menu.
using MenuItems = std::vector<MenuItem>;

}  // namespace quorvix
