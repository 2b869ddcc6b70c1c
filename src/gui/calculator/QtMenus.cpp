#include "gui/calculator/QtMenus.h"

#include <QMenuBar>

#include "gui/common/QtText.h"
#include "gui/common/SpokenMenuItems.h"

namespace quorvix {

void FillMenu(QMenu& menu, const MenuItems& items) {
    // Submenus are children of the menu; clear() leaves them behind.
    qDeleteAll(menu.findChildren<QMenu*>(Qt::FindDirectChildrenOnly));
    menu.clear();
    for (const MenuItem& item : items) {
        switch (item.kind) {
            case MenuItem::Kind::Separator:
                menu.addSeparator();
                break;
            case MenuItem::Kind::Submenu: {
                auto* submenu = new QMenu(ToQString(item.caption), &menu);
                FillMenu(*submenu, item.children);
                submenu->setEnabled(item.enabled);
                menu.addMenu(submenu);
                break;
            }
            case MenuItem::Kind::Command: {
                auto* action = new QAction(ToQString(item.caption), &menu);
                // The key is only shown (a shortcut of a widget that never has
                // the focus); the window handles it itself.
                if (!item.shortcut.empty()) {
                    action->setShortcut(QKeySequence(ToQString(item.shortcut)));
                    action->setShortcutContext(Qt::WidgetShortcut);
                    action->setShortcutVisibleInContextMenu(true);
                }
                SetSpokenTexts(*action, ToQString(item.spokenName), ToQString(item.description));
                menu.addAction(action);
                action->setData(item.command);
                action->setCheckable(item.checkable);
                action->setChecked(item.checked);
                action->setEnabled(item.enabled);
                if (!item.toolTip.empty()) {
                    action->setToolTip(ToQString(item.toolTip));
                    menu.setToolTipsVisible(true);
                }
                break;
            }
        }
    }
}

QMenu* AddRebuiltMenu(QMenuBar& bar, const QString& caption, std::function<MenuItems()> items) {
    QMenu* menu = bar.addMenu(caption);
    // Filled once now as well, so its entries exist before it first opens.
    FillMenu(*menu, items());
    QObject::connect(menu, &QMenu::aboutToShow, menu,
                     [menu, items = std::move(items)] { FillMenu(*menu, items()); });
    return menu;
}

int CommandOf(const QAction* action) {
    if (!action) return 0;
    bool ok = false;
    const int command = action->data().toInt(&ok);
    return ok ? command : 0;
}

}  // namespace quorvix
