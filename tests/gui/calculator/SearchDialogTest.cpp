// The search over everything the menus offer, as the user reaches it: Ctrl+K
// in the display, typing, the arrows with the focus in the field, Enter.
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "calculator/CalculatorDialog.h"
#include "platform/CommandIds.h"
#include "userdefs/UserDefinitions.h"
#include "gui/GuiTestSupport.h"
#include "gui/calculator/DesktopProgramFixture.h"
#include "gui/calculator/CalculatorWindow.h"
#include "gui/calculator/DisplayEdit.h"
#include "gui/calculator/SearchDialog.h"
#include "gui/common/QtText.h"
#include "gui/common/TwoLineList.h"

using namespace quorvix;

class SearchDialogTest : public QObject, private test::DesktopProgramFixture {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        StartProgram(dir_.path());
    }
    void cleanup() { StopProgram(); }

    void chosenEntryIsTypedAsItsMenuEntryTypesIt_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("downs");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caretFromEnd");
        // Functions run their menu command: the name, the caret inside.
        QTest::newRow("function") << QStringLiteral("besselj") << 0 << QStringLiteral("(BesselJ())") << 2;
        QTest::newRow("third match") << QStringLiteral("bessel") << 2 << QStringLiteral("(BesselK())") << 2;
        // No menu shows the unit aliases: the entry's own insertion is typed.
        QTest::newRow("alias") << QStringLiteral("mph") << 0 << QStringLiteral("(\"mph\")") << 1;
    }

    void chosenEntryIsTypedAsItsMenuEntryTypesIt() {
        QFETCH(QString, query);
        QFETCH(int, downs);
        QFETCH(QString, expected);
        QFETCH(int, caretFromEnd);
        DisplayEdit* display = &app_->display();
        display->SetText("()");
        display->SetSelection(1, 1);
        QTest::keyClick(display, Qt::Key_K, Qt::ControlModifier);
        SearchDialog* search = app_->window().searchDialog();
        QVERIFY(search && search->isVisible());
        QLineEdit* filter = search->filter();
        QTRY_VERIFY(filter->hasFocus());
        QTest::keyClicks(filter, query);
        QVERIFY(search->list()->rowCount() > downs);
        for (int i = 0; i < downs; ++i) QTest::keyClick(filter, Qt::Key_Down);
        QCOMPARE(search->list()->currentRow(), downs);
        QVERIFY(filter->hasFocus());
        QVERIFY(!filter->accessibleDescription().isEmpty());
        QTest::keyClick(filter, Qt::Key_Return);
        QVERIFY(!search->isVisible());
        QTRY_COMPARE(ToQString(display->Text()), expected);
        QCOMPARE(display->CaretPosition(), display->TextLength() - caretFromEnd);

        // Reopened, the last query is selected; Escape closes.
        QTest::keyClick(display, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(app_->window().searchDialog(), search);
        QCOMPARE(filter->selectedText(), query);
        QTest::keyClick(filter, Qt::Key_Escape);
        QVERIFY(!search->isVisible());
    }

    // The index is kept between openings and made again once the user
    // definitions may have changed (their dialog ran).
    void userDefinitionsAreFoundAfterTheirDialog() {
        app_->window().ShowCatalogueSearch();
        SearchDialog* search = app_->window().searchDialog();
        QTest::keyClicks(search->filter(), QStringLiteral("hypot"));
        QCOMPARE(search->list()->rowCount(), 0);
        QTest::keyClick(search->filter(), Qt::Key_Escape);

        UserDefinitions& defs = app_->calculator().userDefinitions();
        defs.functions().push_back({"Hypot", 2, 2, "a, b", "", "SQRT(A^2+B^2)"});
        defs.MarkFunctionsChanged();
        app_->window().ShowCatalogueSearch();
        QCOMPARE(search->list()->rowCount(), 0);
        QTest::keyClick(search->filter(), Qt::Key_Escape);
        app_->window().RunCommand(kEditUserFunctionsCommand);  // the guard closes it
        app_->window().ShowCatalogueSearch();
        QCOMPARE(search->list()->rowCount(), 1);
    }

private:
    QTemporaryDir dir_;
    test::ModalGuard guard_;
};

QTEST_MAIN(SearchDialogTest)
#include "SearchDialogTest.moc"
