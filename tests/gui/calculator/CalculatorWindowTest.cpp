// Wiring of the calculator window: Enter, the input queue, keys and menu
// entries, Inv/Hyp, the context menu, hiding the keypad, Escape during a
// long line and what the exit sequence writes into the data directory.
#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/DesktopProgram.h"
#include "gui/calculator/DisplayEdit.h"
#include "gui/calculator/CalculatorWindow.h"
#include "gui/calculator/QtMenus.h"
#include "gui/GuiTestSupport.h"
#include "platform/CommandIds.h"
#include "gui/common/QtText.h"
#include "gui/keypad/KeyButton.h"
#include "gui/keypad/KeypadPanel.h"
#include "gui/userdefs/UserFunctionsDialog.h"
#include "platform/FileDialogs.h"
#include "platform/HelpViewer.h"
#include "platform/MemoryPrompter.h"
#include "platform/Shell.h"
#include "platform/qt/QtLocations.h"
#include "platform/qt/QtSettingsStore.h"

using namespace quorvix;

namespace {

QAction* FindAction(QMenu* menu, int command) {
    for (QAction* action : menu->actions()) {
        if (CommandOf(action) == command) return action;
        if (action->menu())
            if (QAction* found = FindAction(action->menu(), command)) return found;
    }
    return nullptr;
}

}  // namespace

class CalculatorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    // Runs before the exit tests: once the exit has ended the event loop,
    // a modal dialog's own loop returns at once.
    void userFunctionFromTheDialogIsCalledInTheDisplay();
    void enterEvaluatesThroughTheDisplay();
    void queuedInputRunsAfterTheCommandInOrder();
    void keysAndMenuEntriesTypeAtTheCaret_data();
    void keysAndMenuEntriesTypeAtTheCaret();
    void invAndHypTurnSinIntoArcsinh();
    void contextMenuFollowsSelectionAndUndo();
    void hidingTheKeypadMakesTheWindowSizable();
    void escapeCancelsARunningLine();
    void exitWritesSettingsAndWorksheetIntoTheDataDirectory();
    void damagedWorksheetIsReportedAndKeptAtExit();

private:
    void Start();
    void Type(const QString& text) {
        QTest::keyClicks(display(), text);
        QCoreApplication::processEvents();
    }
    void Enter() {
        QTest::keyClick(display(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    DisplayEdit* display() { return &app_->display(); }
    QString text() { return ToQString(display()->Text()); }
    QString helpLine() { return app_->window().helpLine()->text(); }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QtLocations> locations_;
    std::unique_ptr<QtSettingsStore> store_;
    MemoryPrompter prompter_;
    MemoryFileDialogs fileDialogs_;
    MemoryHelpViewer help_;
    MemoryShell shell_;
    std::unique_ptr<DesktopProgram> app_;
    std::unique_ptr<test::ModalGuard> guard_;
};

void CalculatorWindowTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    Start();
}

void CalculatorWindowTest::Start() {
    app_.reset();
    const std::string dir = ToStdString(dir_->path());
    locations_ = std::make_unique<QtLocations>(dir);
    store_ = std::make_unique<QtSettingsStore>(dir);
    guard_ = std::make_unique<test::ModalGuard>();
    app_ = std::make_unique<DesktopProgram>(
        DesktopServices{prompter_, fileDialogs_, help_, shell_, *store_, *locations_, nullptr, {}, {}, kTrayWaitMs});
    app_->Start(false);
    QCoreApplication::processEvents();
}

void CalculatorWindowTest::cleanup() {
    app_.reset();
    store_.reset();
}

void CalculatorWindowTest::enterEvaluatesThroughTheDisplay() {
    Type(QStringLiteral("2+3"));
    Enter();
    QCOMPARE(text(), QStringLiteral("2+3 =\n5\n"));
    QCOMPARE(display()->CaretPosition(), display()->TextLength());
}

void CalculatorWindowTest::queuedInputRunsAfterTheCommandInOrder() {
    display()->QueueCharacter('a');
    display()->QueueCharacter('b');
    display()->QueueKey(DisplayKey::Home);
    display()->QueueCharacter('x');
    QCOMPARE(text(), QString());  // nothing before the command returns
    QCoreApplication::processEvents();
    QCOMPARE(text(), QStringLiteral("xab"));
    // A typed key waits for what is still queued.
    display()->QueueKey(DisplayKey::End);
    display()->QueueCharacter('1');
    QTest::keyClick(display(), Qt::Key_2);
    QCOMPARE(text(), QStringLiteral("xab12"));
}

void CalculatorWindowTest::keysAndMenuEntriesTypeAtTheCaret_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("isKey");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");
    QTest::newRow("digit key") << kDigitZeroKeyId + 7 << true << QStringLiteral("(7)") << 2;
    QTest::newRow("function key") << kFirstLayoutKeyId + 3 << true << QStringLiteral("(sin())") << 5;
    QTest::newRow("menu function") << kFirstFunctionCommand << false << QStringLiteral("(Abs())") << 5;
}

void CalculatorWindowTest::keysAndMenuEntriesTypeAtTheCaret() {
    QFETCH(int, id);
    QFETCH(bool, isKey);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    display()->SetText("()");
    display()->SetSelection(1, 1);
    if (isKey) {
        KeyButton* key = app_->window().keypadPanel()->key(id);
        QVERIFY(key);
        QTest::mouseClick(key, Qt::LeftButton);
    } else {
        QMenuBar* bar = app_->window().menuBar();
        QAction* action = nullptr;
        for (QAction* top : bar->actions())
            if (!action && top->menu()) action = FindAction(top->menu(), id);
        QVERIFY(action);
        action->trigger();
    }
    QCoreApplication::processEvents();
    QCOMPARE(text(), expected);
    QCOMPARE(display()->CaretPosition(), caret);
}

void CalculatorWindowTest::invAndHypTurnSinIntoArcsinh() {
    auto* inv = app_->window().findChild<QCheckBox*>(QStringLiteral("invCheckBox"));
    auto* hyp = app_->window().findChild<QCheckBox*>(QStringLiteral("hypCheckBox"));
    QVERIFY(inv && hyp);
    inv->click();
    hyp->click();
    QTest::mouseClick(app_->window().keypadPanel()->key(kFirstLayoutKeyId + 3), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(text(), QStringLiteral("arcsinh()"));
    QVERIFY(!inv->isChecked());
    QVERIFY(!hyp->isChecked());
}

void CalculatorWindowTest::contextMenuFollowsSelectionAndUndo() {
    auto enabled = [this] {
        std::unique_ptr<QMenu> menu(app_->window().BuildDisplayContextMenu());
        QStringList on;
        for (QAction* action : menu->actions())
            if (action->isEnabled()) on << action->text();
        return on;
    };
    display()->SetText("12+3\nclear");
    QVERIFY(!enabled().contains(QStringLiteral("&Cut")));
    QVERIFY(!enabled().contains(QStringLiteral("Undo")));
    display()->SetSelection(0, 2);
    QVERIFY(enabled().contains(QStringLiteral("&Cut")));
    QVERIFY(enabled().contains(QStringLiteral("&Copy")));
    // CLEAR can be undone, exactly once (a second Undo redoes it).
    display()->SetSelection(-1, -1);
    Enter();
    QCOMPARE(text(), QString());
    QVERIFY(enabled().contains(QStringLiteral("Undo")));
    display()->Undo();
    QCOMPARE(text(), QStringLiteral("12+3\nclear"));
    display()->Undo();
    QCOMPARE(text(), QString());
}

void CalculatorWindowTest::hidingTheKeypadMakesTheWindowSizable() {
    CalculatorWindow& window = app_->window();
    QCOMPARE(window.minimumSize(), window.maximumSize());  // fixed with the keypad
    window.RunCommand(kCmdHideKeypad);
    QVERIFY(!window.keypadPanel()->isVisible());
    QVERIFY(window.minimumSize() != window.maximumSize());
    QCOMPARE(window.size(), QSize(500, 400));
    window.resize(520, 380);
    QCoreApplication::processEvents();
    QCOMPARE(app_->settings().width, 520);
    QCOMPARE(app_->settings().height, 380);
    window.RunCommand(kCmdHideKeypad);
    QVERIFY(window.keypadPanel()->isVisible());
    QCOMPARE(window.minimumSize(), window.maximumSize());
}

void CalculatorWindowTest::escapeCancelsARunningLine() {
    QString shownWhileRunning;
    QTimer::singleShot(400, display(), [&] {
        shownWhileRunning = helpLine();
        QTest::keyClick(display(), Qt::Key_Escape);
    });
    Type(QStringLiteral("FSUM(t,0,1E15)"));
    Enter();
    QCOMPARE(shownWhileRunning.trimmed(), QStringLiteral("Press Esc to cancel"));
    QVERIFY2(helpLine().contains(QStringLiteral("cancelled")), qPrintable(helpLine()));
    QCOMPARE(text(), QStringLiteral("FSUM(t,0,1E15)"));
}

void CalculatorWindowTest::exitWritesSettingsAndWorksheetIntoTheDataDirectory() {
    app_->window().RunCommand(kCmdAngleDegrees);
    Type(QStringLiteral("6*7"));
    Enter();
    Type(QStringLiteral("EXIT"));
    Enter();
    QCoreApplication::processEvents();  // the exit request runs queued
    QVERIFY(app_->exited());
    const QString ini = dir_->filePath(QStringLiteral("Quorvix.ini"));
    QVERIFY(QFile::exists(ini));
    QSettings written(ini, QSettings::IniFormat);
    QCOMPARE(written.value(QStringLiteral("Options/AngleUnit")).toInt(), 0);
    // The next start shows the worksheet again.
    Start();
    QVERIFY2(text().startsWith(QStringLiteral("6*7 =\n42\nEXIT")), qPrintable(text()));
}

void CalculatorWindowTest::damagedWorksheetIsReportedAndKeptAtExit() {
    app_.reset();
    QFile file(dir_->filePath(QStringLiteral("Quorvix.qws")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray damaged("\x05" "1+2\r\n" "\x09\x00\x00", 9);  // count cut short
    file.write(damaged);
    file.close();
    Start();
    QVERIFY2(helpLine().contains(QStringLiteral("damaged")), qPrintable(helpLine()));
    QCOMPARE(text(), QStringLiteral("1+2\n"));
    app_->RequestExit(DesktopProgram::ExitKind::Interactive);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), damaged);
}

QTEST_MAIN(CalculatorWindowTest)
// The Functions menu's "&Edit..." runs the real dialog; the function added
// there is called from the display straight after the dialog closes.
void CalculatorWindowTest::userFunctionFromTheDialogIsCalledInTheDisplay() {
    QAction* edit = nullptr;
    for (QAction* top : app_->window().menuBar()->actions()) {
        if (!top->menu()) continue;
        emit top->menu()->aboutToShow();
        if (!edit) edit = FindAction(top->menu(), kEditUserFunctionsCommand);
    }
    QVERIFY(edit);
    bool filled = false;
    QTimer::singleShot(0, this, [&filled] {
        auto* dialog = qobject_cast<UserFunctionsDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        auto type = [dialog](const char* name, const QString& value) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>(QString::fromLatin1(name)), value);
        };
        type("name", QStringLiteral("mulAdd"));
        dialog->findChild<QSpinBox*>(QStringLiteral("arguments"))->setValue(2);
        type("expression", QStringLiteral("a*b+1"));
        QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("expression")),
                        Qt::Key_Return);
        filled = true;
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    edit->trigger();
    QVERIFY(filled);
    QVERIFY(prompter_.shown.empty());
    QVERIFY(guard_->closedTitles().isEmpty());
    display()->SetFocus();
    Type(QStringLiteral("muladd(4,5)"));
    Enter();
    QCOMPARE(text(), QStringLiteral("muladd(4,5) =\n21\n"));
}

#include "CalculatorWindowTest.moc"
