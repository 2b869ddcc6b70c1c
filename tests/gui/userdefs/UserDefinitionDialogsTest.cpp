// Wiring of the three user-definition dialogs: Add as the default button,
// Remove's enablement, the changed flag as the dialog's result, refusals
// that keep the dialog usable, the failed trial compilation's selection,
// a thousand entries, and a function added here that the engine then calls.

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QtTest>

#include "engine/Evaluator.h"
#include "gui/GuiTestSupport.h"
#include "gui/userdefs/EditUserDefinitions.h"
#include "gui/userdefs/UserConstantsDialog.h"
#include "gui/userdefs/UserConversionsDialog.h"
#include "gui/userdefs/UserFunctionsDialog.h"
#include "platform/MemoryPrompter.h"
#include "platform/NumberField.h"
#include "units/ConversionList.h"
#include "units/UnitConversionEngine.h"
#include "userdefs/EditorList.h"
#include "userdefs/UserDefinitions.h"

using namespace quorvix;

class UserDefinitionDialogsTest : public QObject {
    Q_OBJECT

    MemoryPrompter prompter;
    MemoryHelpViewer help;

    static QLineEdit* field(QWidget& w, const char* name) {
        return w.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static void type(QWidget& w, const char* name, const QString& text) {
        QLineEdit* edit = field(w, name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    static QListWidget* lines(QWidget& w) { return w.findChild<QListWidget*>(QStringLiteral("lines")); }
    static QPushButton* button(QWidget& w, const char* name) {
        return w.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QStringList messages() const {
        QStringList out;
        for (const MemoryPrompter::Shown& s : prompter.shown) out << QString::fromStdString(s.text);
        return out;
    }

private slots:
    void init() {
        prompter = {};
        help = {};
    }

    // Whatever the dialog shows as added is marked for saving while it is
    // still open: an exit then (a signal, the session's end) writes it.
    void eachAddIsMarkedForSavingWhileTheDialogIsOpen() {
        ConversionList conversions;
        UserDefinitions definitions(conversions);
        bool markedWhileOpen = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog != nullptr);
            type(*dialog, "name", QStringLiteral("kept"));
            type(*dialog, "value", QStringLiteral("4.5"));
            button(*dialog, "add")->click();
            markedWhileOpen = definitions.constantsChanged() && lines(*dialog)->count() == 1;
            static_cast<QDialog*>(dialog)->reject();
        });
        QVERIFY(EditUserConstants(definitions, prompter, help, nullptr));
        QVERIFY(markedWhileOpen);
    }

    void addIsDefaultAndRemoveFollowsTheSelection() {
        std::vector<UserConstant> constants{{"g0", "m/s^2", 9.80665}, {"k", "", 1000}};
        UserConstantsEditor editor(constants, prompter);
        UserConstantsDialog dialog(editor, help);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(button(dialog, "add")->isDefault());
        QVERIFY(!button(dialog, "remove")->isEnabled());
        lines(dialog)->setCurrentRow(1);
        QCOMPARE(field(dialog, "name")->text(), QStringLiteral("k"));
        QCOMPARE(field(dialog, "value")->text(), QStringLiteral("1000"));
        QVERIFY(button(dialog, "remove")->isEnabled());
        QTest::mouseClick(button(dialog, "remove"), Qt::LeftButton);
        QCOMPARE(lines(dialog)->count(), 1);
        QCOMPARE(constants.size(), 1u);
        QVERIFY(!button(dialog, "remove")->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_F1);
        QCOMPARE(help.requests, std::vector<std::string>{UserConstantsEditor::kHelpKeyword});
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));  // changed
    }

    void closingWithoutAChangeReportsNone() {
        std::vector<UserConstant> constants{{"k", "", 1000}};
        UserConstantsEditor editor(constants, prompter);
        UserConstantsDialog dialog(editor, help);
        dialog.show();
        lines(dialog)->setCurrentRow(0);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.changed());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    // Each dialog has a Close button beside Escape; closing reports the change.
    void closeButtonClosesEveryDialog() {
        std::vector<UserConstant> constants{{"k", "", 1000}};
        UserConstantsEditor constantsEditor(constants, prompter);
        UserConstantsDialog constantsDialog(constantsEditor, help);
        ConversionList list;
        UnitConversionEngine engine(list);
        UserConversionsEditor conversionsEditor(list, engine, prompter);
        UserConversionsDialog conversionsDialog(conversionsEditor, help);
        std::vector<UserFunction> functions;
        UserFunctionsEditor functionsEditor(functions, prompter);
        UserFunctionsDialog functionsDialog(functionsEditor, help);
        for (QDialog* dialog : {static_cast<QDialog*>(&constantsDialog),
                                static_cast<QDialog*>(&conversionsDialog),
                                static_cast<QDialog*>(&functionsDialog)}) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QPushButton* close = button(*dialog, "close");
            QVERIFY(close != nullptr);
            QCOMPARE(close->text(), QStringLiteral("&Close"));
            QVERIFY(!close->isDefault());
            QTest::mouseClick(close, Qt::LeftButton);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->result(), int(QDialog::Rejected));  // nothing changed
        }
        // A change made before Close is reported.
        constantsDialog.show();
        lines(constantsDialog)->setCurrentRow(0);
        QTest::mouseClick(button(constantsDialog, "remove"), Qt::LeftButton);
        QTest::mouseClick(button(constantsDialog, "close"), Qt::LeftButton);
        QCOMPARE(constantsDialog.result(), int(QDialog::Accepted));
        QVERIFY(constants.empty());
    }

    // Refusals come from the logic; the dialog stays open and usable, and
    // a field at its length limit is accepted.
    void constantFieldsAtTheirLimits() {
        std::vector<UserConstant> constants;
        UserConstantsEditor editor(constants, prompter);
        UserConstantsDialog dialog(editor, help);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QString name50(50, QLatin1Char('n'));
        type(dialog, "name", name50);
        type(dialog, "value", QStringLiteral("two"));  // the value stays 0
        QTest::keyClick(field(dialog, "value"), Qt::Key_Return);
        type(dialog, "name", name50 + QLatin1Char('n'));
        type(dialog, "value", QStringLiteral("2"));
        QTest::keyClick(field(dialog, "value"), Qt::Key_Return);
        QCOMPARE(messages(),
                 (QStringList{QLatin1String(kPleaseEnterNumber),
                              QLatin1String(UserConstantsEditor::kFillOut),
                              QString::fromStdString(WithLimit(UserConstantsEditor::kNameTooLong, 50))}));
        QVERIFY(constants.empty());
        type(dialog, "name", name50);
        type(dialog, "value", QStringLiteral("1e308"));
        type(dialog, "unit", QString(20, QLatin1Char('u')));
        QTest::keyClick(field(dialog, "unit"), Qt::Key_Return);
        QCOMPARE(constants.size(), 1u);
        QCOMPARE(constants[0].value, 1e308);
        QCOMPARE(lines(dialog)->item(0)->text(), name50);
        QCOMPARE(field(dialog, "name")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), field(dialog, "name"));
    }

    void aThousandEntriesOpenScrollAndRefuseMore() {
        std::vector<UserConstant> constants;
        for (int i = 0; i < kMaxUserRecords; ++i) {
            constants.push_back({std::string("c").append(std::to_string(i)), "", i + 1.0});
        }
        UserConstantsEditor editor(constants, prompter);
        UserConstantsDialog dialog(editor, help);
        dialog.show();
        QListWidget* list = lines(dialog);
        QCOMPARE(list->count(), kMaxUserRecords);
        list->scrollToBottom();
        QVERIFY(list->verticalScrollBar()->value() > 0);
        list->setCurrentRow(kMaxUserRecords - 1);
        QCOMPARE(field(dialog, "name")->text(), QStringLiteral("c999"));
        QTest::mouseClick(button(dialog, "add"), Qt::LeftButton);
        QCOMPARE(messages(), QStringList{QString::fromStdString(
                                 WithLimit(UserConstantsEditor::kTooMany, kMaxUserRecords))});
        QCOMPARE(list->count(), kMaxUserRecords);
    }

    void conversionsAreCheckedWithTheEngine() {
        ConversionList list;
        UnitConversionEngine engine(list);
        UserConversionsEditor editor(list, engine, prompter);
        UserConversionsDialog dialog(editor, help);
        dialog.show();
        QVERIFY(button(dialog, "add")->isDefault());
        for (const char* from : {"inch", "smoot", "smoot"}) {
            type(dialog, "from", QString::fromLatin1(from));
            type(dialog, "to", QStringLiteral("centimeter"));
            type(dialog, "factor", QStringLiteral("170.18"));
            QTest::keyClick(field(dialog, "factor"), Qt::Key_Return);
        }
        QCOMPARE(messages(), (QStringList(2, QLatin1String(UserConversionsEditor::kAlreadyExists))));
        QCOMPARE(lines(dialog)->count(), 1);
        QCOMPARE(lines(dialog)->item(0)->text(), QStringLiteral("smoot -> centimeter"));
        QVERIFY(dialog.changed());
    }

    void failedTrialCompilationSelectsTheFault() {
        std::vector<UserFunction> functions;
        UserFunctionsEditor editor(functions, prompter);
        UserFunctionsDialog dialog(editor, help);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.findChild<QSpinBox*>(QStringLiteral("arguments"))->value(), 1);
        type(dialog, "name", QStringLiteral("f"));
        type(dialog, "expression", QStringLiteral("  a*(b+)"));
        dialog.findChild<QSpinBox*>(QStringLiteral("arguments"))->setValue(2);
        QTest::mouseClick(button(dialog, "add"), Qt::LeftButton);
        QCOMPARE(prompter.shown.size(), 1u);
        QVERIFY(editor.selectionLength() > 0);
        QLineEdit* expression = field(dialog, "expression");
        QCOMPARE(expression->selectionStart(), editor.selectionStart());
        QCOMPARE(expression->selectedText().size(), editor.selectionLength());
        QCOMPARE(QApplication::focusWidget(), expression);
        QVERIFY(functions.empty());
    }

    // A function added through the widgets is called by an Evaluator once
    // the user definitions are marked changed, as the calculator does when
    // the dialog reports its change.
    void addedFunctionIsCalledByTheEngine() {
        ConversionList list;
        UserDefinitions definitions(list);
        UserFunctionsEditor editor(definitions.functions(), prompter);
        UserFunctionsDialog dialog(editor, help);
        dialog.show();
        type(dialog, "name", QStringLiteral("mulAdd"));
        dialog.findChild<QSpinBox*>(QStringLiteral("arguments"))->setValue(2);
        type(dialog, "expression", QStringLiteral("a*b+t"));
        type(dialog, "syntax", QStringLiteral("x, y"));
        QTest::keyClick(field(dialog, "syntax"), Qt::Key_Return);
        QVERIFY(prompter.shown.empty());
        QCOMPARE(lines(dialog)->count(), 1);
        QCOMPARE(dialog.findChild<QSpinBox*>(QStringLiteral("arguments"))->value(), 1);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        definitions.MarkFunctionsChanged();
        Evaluator evaluator;
        evaluator.setUserFunctions(&definitions.compiledFunctions());
        evaluator.SetExpression("MULADD(3,4)+1");
        QCOMPARE(evaluator.Parse(), kNoError);
        QCOMPARE(evaluator.Evaluate(), 13.0);
    }
};

QTEST_MAIN(UserDefinitionDialogsTest)
#include "UserDefinitionDialogsTest.moc"
