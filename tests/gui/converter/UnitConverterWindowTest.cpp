// Wiring of the unit converter window over the real conversion engine:
// typed units and Enter, the default button, Switch, silent list choices,
// the recent list shown in both lists, and the value set when shown from
// the calculator.

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/GuiTestSupport.h"
#include "gui/converter/UnitConverterWindow.h"
#include "platform/MemoryPrompter.h"
#include "platform/NumberField.h"
#include "units/ConversionList.h"
#include "units/UnitConversionEngine.h"

using namespace quorvix;

class UnitConverterWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    ConversionList list;
    UnitConversionEngine engine{list};
    MemoryPrompter prompter;
    MemoryHelpViewer help;
    test::ModalGuard guard;

    static QComboBox* unitBox(QWidget& w, const char* name) {
        return w.findChild<QComboBox*>(QString::fromLatin1(name));
    }
    static QLineEdit* field(QWidget& w, const char* name) {
        return w.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static void type(QWidget* edit, const QString& text) {
        if (auto* box = qobject_cast<QComboBox*>(edit)) edit = box->lineEdit();
        static_cast<QLineEdit*>(edit)->clear();
        QTest::keyClicks(edit, text);
    }
    static QStringList items(QComboBox* box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
        return out;
    }

private slots:
    void init() {
        prompter = {};
        help = {};
        QFile::remove(dir.filePath(QLatin1String(kRecentUnitsFile)));
    }

    void typedUnitsConvertAndEnterTheRecentList() {
        UnitConverter logic(engine, prompter, dir.path().toStdString());
        UnitConverterWindow window(logic, help);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("convert"))->isDefault());
        type(unitBox(window, "fromUnit"), QStringLiteral("inch"));
        type(unitBox(window, "toUnit"), QStringLiteral("centimeter"));
        QTest::keyClick(field(window, "value"), Qt::Key_Return);  // the default button
        QCOMPARE(field(window, "result")->text(), QStringLiteral("2.54"));
        QCOMPARE(QApplication::focusWidget(), field(window, "result"));  // where it is read
        const QStringList recent{QStringLiteral("inch"), QStringLiteral("centimeter")};
        QCOMPARE(items(unitBox(window, "fromUnit")), recent);
        QCOMPARE(items(unitBox(window, "toUnit")), recent);

        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("switch")), Qt::LeftButton);
        QCOMPARE(field(window, "result")->text(), QStringLiteral("0.393700787401575"));
        QCOMPARE(unitBox(window, "fromUnit")->currentText(), QStringLiteral("centimeter"));
        QVERIFY(prompter.shown.empty());
    }

    // Enter in a unit field converts the text as typed: INCH is not swapped
    // for the entry inch but replaces it at the front of the list.
    void enterInAUnitFieldKeepsTheTypedText() {
        UnitConverter logic(engine, prompter, dir.path().toStdString());
        UnitConverterWindow window(logic, help);
        window.show();
        type(unitBox(window, "fromUnit"), QStringLiteral("foot"));
        type(unitBox(window, "toUnit"), QStringLiteral("inch"));
        QTest::keyClick(unitBox(window, "toUnit"), Qt::Key_Return);
        QCOMPARE(field(window, "result")->text(), QStringLiteral("12"));
        type(unitBox(window, "fromUnit"), QStringLiteral("INCH"));
        type(unitBox(window, "toUnit"), QStringLiteral("mm"));
        QTest::keyClick(unitBox(window, "fromUnit"), Qt::Key_Return);
        QCOMPARE(field(window, "result")->text(), QStringLiteral("25.4"));
        QCOMPARE(items(unitBox(window, "toUnit")),
                 (QStringList{QStringLiteral("INCH"), QStringLiteral("mm"), QStringLiteral("foot")}));
        QVERIFY(prompter.shown.empty());
    }

    void choosingAnEntryConvertsSilently() {
        UnitConverter logic(engine, prompter, dir.path().toStdString());
        UnitConverterWindow window(logic, help);
        window.show();
        for (const char* unit : {"second", "meter", "foot"}) {
            type(unitBox(window, "fromUnit"), QString::fromLatin1(unit));
            type(unitBox(window, "toUnit"), QString::fromLatin1(unit));
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("convert")),
                              Qt::LeftButton);
        }
        // Recent: foot, meter, second; the to list's typed foot has no
        // selection, so Down chooses foot, then meter, then second.
        QComboBox* to = unitBox(window, "toUnit");
        type(field(window, "value"), QStringLiteral("10"));
        QTest::keyClick(to, Qt::Key_Down);
        QCOMPARE(to->currentText(), QStringLiteral("foot"));
        QTest::keyClick(to, Qt::Key_Down);
        QCOMPARE(to->currentText(), QStringLiteral("meter"));
        QCOMPARE(field(window, "result")->text(), QStringLiteral("3.048"));
        QTest::keyClick(to, Qt::Key_Down);  // incompatible: silently no result
        QCOMPARE(to->currentText(), QStringLiteral("second"));
        QCOMPARE(field(window, "result")->text(), QString());
        QVERIFY(prompter.shown.empty());
    }

    void badInputIsRefusedAndTheWindowStaysUsable() {
        UnitConverter logic(engine, prompter, dir.path().toStdString());
        UnitConverterWindow window(logic, help);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        type(unitBox(window, "fromUnit"), QStringLiteral("km"));
        type(unitBox(window, "toUnit"), QStringLiteral("m"));
        type(field(window, "value"), QStringLiteral("lots"));
        QTest::keyClick(field(window, "value"), Qt::Key_Return);
        QCOMPARE(field(window, "result")->text(), QString());  // refused: no conversion
        QCOMPARE(QApplication::focusWidget(), field(window, "value"));
        QCOMPARE(prompter.shown.size(), 1u);
        type(field(window, "value"), QStringLiteral("1e308"));
        QTest::keyClick(field(window, "value"), Qt::Key_Return);
        QCOMPARE(field(window, "result")->text(), QString());  // no stale answer
        QCOMPARE(prompter.shown.size(), 2u);
        QCOMPARE(QString::fromStdString(prompter.shown[0].text), QLatin1String(kPleaseEnterNumber));
        QCOMPARE(QString::fromStdString(prompter.shown[1].text),
                 QLatin1String(UnitConverter::kOverflow));
        QCOMPARE(QApplication::focusWidget(), field(window, "value"));
        type(field(window, "value"), QStringLiteral("2"));
        QTest::keyClick(field(window, "value"), Qt::Key_Return);
        QCOMPARE(field(window, "result")->text(), QStringLiteral("2000"));
    }

    void shownFromTheCalculatorWithItsLastResult() {
        UnitConverter logic(engine, prompter, dir.path().toStdString());
        UnitConverterWindow window(logic, help);
        window.ShowWithValue(42.5);
        QVERIFY(window.isVisible());
        QVERIFY(logic.visible());
        QCOMPARE(field(window, "value")->text(), QStringLiteral("42.5"));
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("reference")),
                          Qt::LeftButton);
        QCOMPARE(help.requests, std::vector<std::string>{UnitConverter::kHelpKeyword});
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QVERIFY(!logic.visible());
    }

    // Every field is named for assistive tools: the two edits, each unit
    // list (named for what it is, its unit as its value, whether typed or
    // chosen) and its typing part (where the focus is while typing).
    void fieldsAreNamed() {
        UnitConverter logic(engine, prompter, dir.path().toStdString());
        UnitConverterWindow window(logic, help);
        window.show();
        type(unitBox(window, "fromUnit"), QStringLiteral("inch"));
        type(unitBox(window, "toUnit"), QStringLiteral("foot"));
        QTest::keyClick(field(window, "value"), Qt::Key_Return);
        const auto said = [](QWidget* widget, QAccessible::Text kind) {
            return QAccessible::queryAccessibleInterface(widget)->text(kind);
        };
        QCOMPARE(said(field(window, "value"), QAccessible::Name), QStringLiteral("Value to convert"));
        QCOMPARE(said(field(window, "result"), QAccessible::Name), QStringLiteral("Result"));
        QComboBox* from = unitBox(window, "fromUnit");
        QComboBox* to = unitBox(window, "toUnit");
        QCOMPARE(said(from->lineEdit(), QAccessible::Name), QStringLiteral("Unit to convert from"));
        QCOMPARE(said(to->lineEdit(), QAccessible::Name), QStringLiteral("Unit to convert to"));
        to->setCurrentIndex(to->findText(QStringLiteral("inch")));
        const struct {
            QComboBox* box;
            QString name, value;
        } unitLists[] = {{from, QStringLiteral("Unit to convert from"), QStringLiteral("inch")},
                     {to, QStringLiteral("Unit to convert to"), QStringLiteral("inch")}};
        for (const auto& unit : unitLists) {
            QAccessibleInterface* box = QAccessible::queryAccessibleInterface(unit.box);
            QCOMPARE(box->role(), QAccessible::ComboBox);
            QCOMPARE(box->text(QAccessible::Name), unit.name);
            QCOMPARE(box->text(QAccessible::Value), unit.value);
            // The typing part and the drop-down list stay reachable.
            QCOMPARE(box->childCount(), 2);
            QCOMPARE(box->indexOfChild(QAccessible::queryAccessibleInterface(unit.box->lineEdit())), 1);
        }
    }
};

QTEST_MAIN(UnitConverterWindowTest)
#include "UnitConverterWindowTest.moc"
