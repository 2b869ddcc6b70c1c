// What assistive tools read from menus built from the menu data: the spoken
// name and description where the data has them, the caption otherwise, and
// a shown shortcut that is not part of the name.
#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "gui/calculator/QtMenus.h"

using namespace quorvix;

class QtMenusTest : public QObject {
    Q_OBJECT
private slots:
    void entriesAreReadAsTheDataSays() {
        MenuItem conversion = MenuItem::Entry("foot -> meter", 20040);
        conversion.spokenName = "foot to meter";
        MenuItem function = MenuItem::Entry("FZeros", 20145);
        function.description = "Finds all roots of f(t) in a specified interval";
        MenuItem search = MenuItem::Entry("&Search...", 32800);
        search.shortcut = "F1";
        QMenu menu;
        FillMenu(menu, {conversion, function, search});
        menu.popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));

        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&menu);
        QCOMPARE(list->childCount(), 3);
        const auto text = [list](int i, QAccessible::Text t) { return list->child(i)->text(t); };
        QCOMPARE(text(0, QAccessible::Name), QStringLiteral("foot to meter"));
        QCOMPARE(menu.actions().at(0)->text(), QStringLiteral("foot -> meter"));
        QCOMPARE(text(1, QAccessible::Name), QStringLiteral("FZeros"));
        QCOMPARE(text(1, QAccessible::Description), QString::fromStdString(function.description));
        QCOMPARE(text(2, QAccessible::Name), QStringLiteral("Search..."));
        QCOMPARE(text(2, QAccessible::Accelerator), QStringLiteral("F1"));
        QCOMPARE(list->child(0)->role(), QAccessible::MenuItem);
        QCOMPARE(list->child(0)->parent()->object(), &menu);

        // Pressing an entry through its accessible action chooses it.
        QSignalSpy chosen(&menu, &QMenu::triggered);
        list->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(CommandOf(chosen.at(0).at(0).value<QAction*>()), 20040);
    }

    // The shortcut is only shown: the key does not choose the entry.
    void shownShortcutDoesNotFire() {
        MenuItem search = MenuItem::Entry("&Search...", 32800);
        search.shortcut = "F1";
        QWidget window;
        QMenu menu(&window);
        FillMenu(menu, {search});
        window.addAction(menu.menuAction());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy chosen(&menu, &QMenu::triggered);
        QTest::keyClick(&window, Qt::Key_F1);
        QCOMPARE(chosen.count(), 0);
    }
};

QTEST_MAIN(QtMenusTest)
#include "QtMenusTest.moc"
