#pragma once
// A menu as plain data: entries with a caption and a command id, separators
// and submenus. The host turns it into real menus and reports the command id
// of the chosen entry.

#include <string>
#include <vector>

namespace quorvix {

struct MenuItem {
    enum class Kind { Command, Separator, Submenu };

    Kind kind = Kind::Command;
    std::string caption;
    int command = 0;                 // for Command entries
    std::vector<MenuItem> children;  // for Submenu entries

    static MenuItem Entry(std::string caption, int command) {
        MenuItem item;
        item.caption = std::move(caption);
        item.command = command;
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
