// The Custom Keys and Change Number Base dialogs: their fields reach the
// logic, refusals keep the dialog open, F1 asks for the help.

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "calculator/FrameIndicators.h"
#include "calculator/Keypad.h"
#include "calculator/Settings.h"
#include "gui/GuiTestSupport.h"
#include "gui/keypad/ChangeNumberBaseDialog.h"
#include "gui/keypad/CustomKeysDialog.h"
#include "platform/HelpViewer.h"
#include "platform/MemoryPrompter.h"

using namespace quorvix;

class KeypadDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void customKeysChangeWritesTheSelectedCaption() {
        std::array<std::string, kCustomKeyCount> captions = MathKeyCaptions();
        CustomKeysEditor editor(captions);
        MemoryHelpViewer help;
        CustomKeysDialog dialog(editor, help);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Custom Keys"));
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("captionList"));
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("captionField"));
        auto* change = dialog.findChild<QPushButton*>(QStringLiteral("changeButton"));
        QVERIFY(list && field && change);
        QCOMPARE(list->count(), kCustomKeyCount);

        // Nothing selected: nothing changes.
        field->setText(QStringLiteral("abs"));
        change->click();
        QVERIFY(captions == MathKeyCaptions());

        list->setCurrentRow(3);
        QCOMPARE(field->text(), QStringLiteral("abs"));  // selecting does not fill the field
        field->setText(QStringLiteral("  Sinh "));
        change->click();
        QCOMPARE(captions[3], std::string("Sinh"));
        QCOMPARE(list->item(3)->text(), QStringLiteral("Sinh"));
        QCOMPARE(list->currentRow(), 3);

        QTest::keyClick(field, Qt::Key_F1);
        QCOMPARE(help.requests, std::vector<std::string>{CustomKeysEditor::kHelpKeyword});
    }

    void numberBaseIsValidated_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("base");  // 0: refused
        QTest::newRow("37 refused") << QStringLiteral("37") << 0;
        QTest::newRow("1 refused") << QStringLiteral("1") << 0;
        QTest::newRow("letters refused") << QStringLiteral("ten") << 0;
        QTest::newRow("12 accepted") << QStringLiteral("12") << 12;
        QTest::newRow("36 accepted") << QStringLiteral(" 36 ") << 36;
    }
    void numberBaseIsValidated() {
        QFETCH(QString, text);
        QFETCH(int, base);
        MemoryPrompter prompter;
        ChangeNumberBaseDialog dialog(prompter);
        dialog.show();
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("baseField"));
        QVERIFY(field);
        QCOMPARE(field->text(), QStringLiteral("10"));
        field->setText(text);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        if (base == 0) {
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(!dialog.base().has_value());
            QCOMPARE(prompter.shown.size(), std::size_t{1});
            QCOMPARE(prompter.shown[0].text,
                     std::string(NumberBaseField::kRangeMessage));
        } else {
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.base(), std::optional<int>(base));
            QVERIFY(prompter.shown.empty());
        }
    }

    void numberBaseCancelGivesNothing() {
        MemoryPrompter prompter;
        ChangeNumberBaseDialog dialog(prompter);
        dialog.show();
        dialog.findChild<QLineEdit*>(QStringLiteral("baseField"))->setText(QStringLiteral("16"));
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        QVERIFY(!dialog.base().has_value());
        QVERIFY(!dialog.isVisible());
    }

private:
    test::ModalGuard guard_;
};

QTEST_MAIN(KeypadDialogsTest)
#include "KeypadDialogsTest.moc"
