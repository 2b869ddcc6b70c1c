// Wiring of the calculator window: Enter, the input queue, keys and menu
// entries, Inv/Hyp, the context menu, hiding the keypad, Escape during a
// long line and what the exit sequence writes into the data directory.
#include <QCheckBox>
#include <QClipboard>
#include <QMessageBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cstdlib>
#include <functional>
#include <memory>

#include "app/DesktopProgram.h"
#include "calculator/FontRecord.h"
#include "calculator/Settings.h"
#include "gui/calculator/DisplayEdit.h"
#include "gui/calculator/DisplayHighlighter.h"
#include "gui/common/QtColorRef.h"
#include "shell/HighlightColours.h"
#include "gui/calculator/LongEvaluation.h"
#include "gui/calculator/CalculatorWindow.h"
#include "gui/calculator/QtMenus.h"
#include "gui/plot/PlotWindow.h"
#include "gui/AccessibilityEvents.h"
#include "gui/GuiTestSupport.h"
#include "gui/calculator/DesktopProgramFixture.h"
#include "platform/CommandIds.h"
#include "gui/common/QtPrompter.h"
#include "gui/common/QtText.h"
#include "gui/keypad/KeyButton.h"
#include "gui/calculator/NoticeBar.h"
#include "gui/keypad/KeypadPanel.h"
#include "gui/userdefs/UserFunctionsDialog.h"

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

class CalculatorWindowTest : public QObject, private test::DesktopProgramFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    // Runs before the exit tests: once the exit has ended the event loop,
    // a modal dialog's own loop returns at once.
    void userFunctionFromTheDialogIsCalledInTheDisplay();
    void enterEvaluatesThroughTheDisplay();
    void highlightingFollowsNewVariablesAndTheSetting();
    void queuedInputRunsAfterTheCommandInOrder();
    void keysAndMenuEntriesTypeAtTheCaret_data();
    void keysAndMenuEntriesTypeAtTheCaret();
    void invAndHypTurnSinIntoArcsinh();
    void keyboardPressesKeepTheFocusOnTheKey();
    void aKeyboardPressSendsNoFocusEvent();
    void answerIsOneInsertionAndAnErrorIsSaidOnTheDisplay();
    void contextMenuFollowsSelectionAndUndo();
    void contextMenuEntriesRunTheirCommands_data();
    void contextMenuEntriesRunTheirCommands();
    void clearVarsQuestionBoxIsAnsweredByKey_data();
    void clearVarsQuestionBoxIsAnsweredByKey();
    void hidingTheKeypadMakesTheWindowSizable();
    void aSmallerScreenKeepsTheStoredSize();
    void escapeCancelsARunningLine();
    void ctrlPPlotsTheCaretLine();
    void ctrlShiftCCopiesTheLastAnswer();
    void zoomKeysAndWheelResizeAndStoreTheDisplayFont();
    void completionPopupInsertsTheChosenName();
    void escapeCancelsASlowPlot();
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
    QString helpLine() { return app_->window().helpLineText(); }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<test::ModalGuard> guard_;
};

void CalculatorWindowTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    Start();
}

void CalculatorWindowTest::Start() {
    app_.reset();
    guard_ = std::make_unique<test::ModalGuard>();
    StartProgram(dir_->path());
}

void CalculatorWindowTest::cleanup() { StopProgram(); }

void CalculatorWindowTest::enterEvaluatesThroughTheDisplay() {
    Type(QStringLiteral("2+3"));
    Enter();
    QCOMPARE(text(), QStringLiteral("2+3 =\n5\n"));
    QCOMPARE(display()->CaretPosition(), display()->TextLength());
}

void CalculatorWindowTest::highlightingFollowsNewVariablesAndTheSetting() {
    auto foreground = [this](int line, int column) {
        const QTextBlock block = display()->document()->findBlockByNumber(line);
        for (const QTextLayout::FormatRange& range : block.layout()->formats())
            if (column >= range.start && column < range.start + range.length)
                return range.format.foreground().color();
        return QColor();
    };
    display()->SetText("z*2\n");
    QCoreApplication::processEvents();
    QCOMPARE(foreground(0, 0), QColor());
    // Defining z colours it on the line above too.
    Type(QStringLiteral("z=4"));
    Enter();
    const HighlightColours colours = HighlightColoursFor(app_->settings());
    QCOMPARE(foreground(0, 0), ToQColor(colours.variable));
    QCOMPARE(foreground(2, 0), ToQColor(colours.answer));  // "4" under "z=4 ="

    app_->settings().highlightSyntax = false;
    app_->window().ApplyDisplayFormat();
    QVERIFY(!app_->window().highlighter().shown());
    QCOMPARE(foreground(0, 0), QColor());
    app_->settings().highlightSyntax = true;
    app_->window().ApplyDisplayFormat();
    QCoreApplication::processEvents();
    QCOMPARE(foreground(0, 0), ToQColor(colours.variable));
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

void CalculatorWindowTest::keyboardPressesKeepTheFocusOnTheKey() {
    app_->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app_->window()));
    KeyButton* seven = app_->window().keypadPanel()->key(kDigitZeroKeyId + 7);
    QVERIFY(seven);
    seven->setFocus(Qt::TabFocusReason);
    QTest::keyClick(seven, Qt::Key_Space);
    QTest::keyClick(seven, Qt::Key_Space);
    QTest::keyClick(seven, Qt::Key_Return);  // the key, not EXE
    QCoreApplication::processEvents();
    QCOMPARE(text(), QStringLiteral("777"));
    QVERIFY(seven->hasFocus());
    // The mouse still hands the focus back to the display.
    QTest::mouseClick(seven, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(text(), QStringLiteral("7777"));
    QVERIFY(display()->hasFocus());

    // Menus from the keyboard: the const key's under the key with its first
    // entry active, the display's with Shift+F10.
    struct Opened {
        QString name;
        QPoint at;
        bool firstActive = false;
    };
    const auto openedBy = [](const std::function<void()>& open) {
        Opened opened;
        QTimer::singleShot(100, [&opened] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                opened = {menu->objectName(), menu->pos(),
                          menu->activeAction() && menu->activeAction() == menu->actions().value(0)};
                menu->close();
            }
        });
        open();
        QCoreApplication::processEvents();
        return opened;
    };
    KeyButton* constKey = app_->window().keypadPanel()->key(kConstKeyId);
    constKey->setFocus(Qt::TabFocusReason);
    const Opened catalogue = openedBy([&] { QTest::keyClick(constKey, Qt::Key_Space); });
    QCOMPARE(catalogue.name, QStringLiteral("catalogueMenu"));
    // At the key's left edge (Qt moves it up where it does not fit below).
    QCOMPARE(catalogue.at.x(), constKey->mapToGlobal(QPoint(0, 0)).x());
    QVERIFY(catalogue.firstActive);
    QCoreApplication::processEvents();
    QVERIFY(constKey->hasFocus());
    display()->SetFocus();
    const Opened context = openedBy([&] { QTest::keyClick(display(), Qt::Key_F10, Qt::ShiftModifier); });
    QCOMPARE(context.name, QStringLiteral("displayContextMenu"));
}

// The focus stays on the key all along: an assistive tool hears no focus
// change for a key pressed with Space or Enter, nor for a menu key whose
// menu is dismissed again.
void CalculatorWindowTest::aKeyboardPressSendsNoFocusEvent() {
    QUORVIX_REQUIRE_ACCESSIBILITY();
    app_->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app_->window()));
    for (const int keyId : {kDigitZeroKeyId + 7, kFirstLayoutKeyId + 3, kExeKeyId}) {
        KeyButton* key = app_->window().keypadPanel()->key(keyId);
        key->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        test::AccessibilityEvents events({QAccessible::Focus});
        QTest::keyClick(key, Qt::Key_Space);
        QTest::keyClick(key, Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY(key->hasFocus());
        QCOMPARE(events.Count(QAccessible::Focus), 0);
    }
    QCOMPARE(text().count(u'7'), 2);
}

void CalculatorWindowTest::answerIsOneInsertionAndAnErrorIsSaidOnTheDisplay() {
    QUORVIX_REQUIRE_ACCESSIBILITY();
    app_->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app_->window()));
    display()->SetFocus();
    // A new variable: its name is highlighted anew over the whole text.
    Type(QStringLiteral("x=2+3"));
    test::AccessibilityEvents events({QAccessible::TextInserted, QAccessible::DescriptionChanged,
                                      QAccessible::TextUpdated, QAccessible::TextRemoved});
    Enter();
    const QStringList inserted = events.Texts(QAccessible::TextInserted, display());
    QCOMPARE(inserted.size(), 1);
    // Highlighting the new lines is heard as nothing more.
    QCOMPARE(events.Texts(QAccessible::TextUpdated, display()).size() +
                 events.Texts(QAccessible::TextRemoved, display()).size(),
             0);
    QVERIFY2(inserted.first().contains(QLatin1String(" =")) && inserted.first().contains(u'5'),
             qPrintable(inserted.first()));

    // The same error twice is said twice.
    for (int i = 0; i < 2; ++i) {
        events.Clear();
        display()->SetText("1/0");
        Enter();
        QVERIFY(display()->hasFocus());
        const QStringList said = events.Texts(QAccessible::DescriptionChanged, display());
        QVERIFY(!said.isEmpty());
        QCOMPARE(said.last(), QStringLiteral("Error: Bad argument"));
    }
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

// One row per entry of the display's context menu: chosen from the real
// menu, it runs its command through the window's one door. The slow
// variable's listing runs under the long-evaluation runner, so Escape
// cancels it before its value.
void CalculatorWindowTest::contextMenuEntriesRunTheirCommands_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("expectedClipboard");
    QTest::addColumn<int>("variablesLeft");
    QTest::addColumn<QString>("dialogClosed");
    const QString typed = QStringLiteral("12+3");
    QTest::newRow("cut") << kCmdDisplayCut << QStringLiteral("+3") << QStringLiteral("12") << 2
                         << QString();
    QTest::newRow("copy") << kCmdDisplayCopy << typed << QStringLiteral("12") << 2 << QString();
    QTest::newRow("paste") << kCmdDisplayPaste << QStringLiteral("pasted+3")
                           << QStringLiteral("pasted") << 2 << QString();
    QTest::newRow("undo") << kCmdDisplayUndo << QStringLiteral("12+") << QStringLiteral("pasted")
                          << 2 << QString();
    QTest::newRow("select all") << kCmdDisplaySelectAll << typed << QStringLiteral("pasted") << 2
                                << QString();
    QTest::newRow("clear") << kCmdClearDisplay << QString() << QStringLiteral("pasted") << 2
                           << QString();
    QTest::newRow("show variables, the slow one cancelled")
        << kCmdShowVariables << QStringLiteral("12+3\nA = 2\n") << QStringLiteral("pasted") << 2
        << QString();
    QTest::newRow("clear variables") << kCmdClearVariables
                                     << QStringLiteral("12+3\nVariable list cleared\n")
                                     << QStringLiteral("pasted") << 0 << QString();
    QTest::newRow("display options") << kCmdDisplayOptions << typed << QStringLiteral("pasted")
                                     << 2 << QStringLiteral("Display and Keypad Options");
}

void CalculatorWindowTest::contextMenuEntriesRunTheirCommands() {
    QFETCH(int, command);
    QFETCH(QString, expectedText);
    QFETCH(QString, expectedClipboard);
    QFETCH(int, variablesLeft);
    QFETCH(QString, dialogClosed);
    app_->calculator().evaluator().SetVariable("A", "2");
    app_->calculator().evaluator().SetVariable("S", "FSUM(t,0,1E15)");
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    Type(QStringLiteral("12+"));
    display()->SetSelection(-1, -1);
    Type(QStringLiteral("3"));  // Undo takes the 3 back
    if (command != kCmdDisplayUndo) display()->SetSelection(0, 2);
    if (command == kCmdShowVariables || command == kCmdClearVariables)
        display()->SetSelection(-1, -1);
    prompter_.answers = {true};
    guard_->clear();
    QTimer::singleShot(400, display(), [this] { QTest::keyClick(display(), Qt::Key_Escape); });

    std::unique_ptr<QMenu> menu(app_->window().BuildDisplayContextMenu());
    QAction* entry = FindAction(menu.get(), command);
    QVERIFY(entry);
    QVERIFY(entry->isEnabled());
    entry->trigger();
    QTRY_VERIFY(!app_->window().evaluation().running());
    QTest::qWait(450);  // past the Escape of the slow row
    QCoreApplication::processEvents();

    QCOMPARE(text(), expectedText);
    QCOMPARE(QApplication::clipboard()->text(), expectedClipboard);
    QCOMPARE(app_->calculator().evaluator().VariableCount(), variablesLeft);
    QCOMPARE(guard_->closedTitles(), dialogClosed.isEmpty() ? QStringList() : QStringList{dialogClosed});
    if (command == kCmdDisplaySelectAll) {
        QCOMPARE(display()->SelectionStart(), 0);
        QCOMPARE(display()->SelectionEnd(), display()->TextLength());
    }
}

// CLEARVARS typed into the real window asks with the real QMessageBox while
// the line is being evaluated; the box takes its keys (Y, N) like any box.
void CalculatorWindowTest::clearVarsQuestionBoxIsAnsweredByKey_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("variablesLeft");
    QTest::newRow("Y") << int(Qt::Key_Y) << 0;
    QTest::newRow("N") << int(Qt::Key_N) << 1;
}

void CalculatorWindowTest::clearVarsQuestionBoxIsAnsweredByKey() {
    QFETCH(int, key);
    QFETCH(int, variablesLeft);
    app_.reset();
    guard_.reset();
    QtPrompter prompter;
    app_ = std::make_unique<DesktopProgram>(DesktopServices{
        prompter, fileDialogs_, help_, shell_, *store_, *locations_, nullptr, {}, {}, kTrayWaitMs});
    prompter.SetParent(&app_->window());
    app_->Start(false);
    app_->calculator().evaluator().SetVariable("A", "2");

    QString asked;
    bool frozen = false;
    QTimer answer;
    answer.setInterval(20);
    QElapsedTimer waited;
    waited.start();
    connect(&answer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        if (asked.isEmpty()) {
            asked = box->text();
            QTest::keyClick(box, static_cast<Qt::Key>(key));
        } else if (waited.elapsed() > 5000) {
            frozen = true;  // the key never reached the box
            box->reject();
        }
    });
    answer.start();
    Type(QStringLiteral("CLEARVARS"));
    Enter();
    answer.stop();
    QVERIFY2(asked.contains(QStringLiteral("delete all the variables")), qPrintable(asked));
    QVERIFY(!frozen);
    QCOMPARE(app_->calculator().evaluator().VariableCount(), variablesLeft);
    app_.reset();  // before the prompter goes
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

// A stored size larger than this screen is shown smaller but stays stored
// until the user gives the window another size.
void CalculatorWindowTest::aSmallerScreenKeepsTheStoredSize() {
    store_->WriteInt("Options", "HideKeypad", 1);
    store_->WriteInt("Options", "Width", 30000);
    store_->WriteInt("Options", "Height", 20000);
    store_->Flush();
    Start();
    CalculatorWindow& window = app_->window();
    QVERIFY(window.width() < 30000);
    QCOMPARE(app_->settings().width, 30000);
    QCOMPARE(app_->settings().height, 20000);
    window.resize(520, 380);
    QCoreApplication::processEvents();
    QCOMPARE(app_->settings().width, 520);
    QCOMPARE(app_->settings().height, 380);
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

void CalculatorWindowTest::ctrlPPlotsTheCaretLine() {
    Type(QStringLiteral("A = 2"));
    Enter();
    Type(QStringLiteral("FINT(A*t, 0, 1)"));
    QTest::keyClick(display(), Qt::Key_P, Qt::ControlModifier);
    // Plot windows are Qt children of the calculator window.
    const auto plots = [&] { return app_->window().findChildren<PlotWindow*>(); };
    QCOMPARE(plots().size(), 1);
    auto* value = plots()[0]->findChild<QLabel*>(QStringLiteral("solverValue"));
    QVERIFY(value);
    QCOMPARE(value->text(), QStringLiteral("FINT from 0 to 1: 1"));
    // Another plot opens beside it; a comment is refused on the help line.
    QTest::keyClick(display(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(plots().size(), 2);
    Enter();
    Type(QStringLiteral("' a note"));
    app_->window().RunCommand(kCmdPlot);
    QCOMPARE(plots().size(), 2);
    QCOMPARE(helpLine().trimmed(), QStringLiteral("Nothing to plot on this line"));
}

void CalculatorWindowTest::ctrlShiftCCopiesTheLastAnswer() {
    QApplication::clipboard()->setText(QStringLiteral("before"));
    Type(QStringLiteral("6*7"));
    Enter();
    Type(QStringLiteral("2^10"));
    Enter();
    QTest::keyClick(display(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1024"));
    QCOMPARE(text(), QStringLiteral("6*7 =\n42\n2^10 =\n1024\n"));
    // The Commands menu shows the key beside its entry.
    QMenu* commands = app_->window().menuBar()->actions().at(1)->menu();
    QAction* copyAnswer = FindAction(commands, kCmdCopyAnswer);
    QVERIFY(copyAnswer);
    QCOMPARE(copyAnswer->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+C")));
}

// Ctrl+plus, Ctrl+minus, Ctrl+0 and Ctrl+wheel change the display's font a
// point at a time, and the size is kept in the settings (so it is stored).
void CalculatorWindowTest::zoomKeysAndWheelResizeAndStoreTheDisplayFont() {
    const auto stored = [this] { return std::abs(app_->settings().displayFont.height); };
    const int initial = stored();
    const qreal initialPoints = display()->font().pointSizeF();
    QTest::keyClick(display(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(display(), Qt::Key_Equal, Qt::ControlModifier);
    QVERIFY(stored() > initial);
    QVERIFY(display()->font().pointSizeF() > initialPoints);
    const int zoomed = stored();
    QTest::keyClick(display(), Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(stored() < zoomed && stored() > initial);

    const QPointF at(5, 5);
    QWheelEvent up(at, display()->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 240),
                   Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(display()->viewport(), &up);
    QVERIFY(stored() > zoomed);

    QTest::keyClick(display(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(app_->settings().displayFont.height,
             InitialFontRecord(app_->window().logicalDpiY()).height);
    QCOMPARE(text(), QString());  // no key typed into the display
}

// Two letters open the list; Down and Tab insert the second entry as the
// keys would ("Name()" with the caret inside); a variable typed in full
// evaluates on Enter.
void CalculatorWindowTest::completionPopupInsertsTheChosenName() {
    auto* popup = app_->window().findChild<QListWidget*>(QStringLiteral("completionPopup"));
    QVERIFY(popup);
    Type(QStringLiteral("1+s"));
    QVERIFY(!popup->isVisible());
    Type(QStringLiteral("q"));
    QVERIFY(popup->isVisible());
    QVERIFY(popup->count() >= 1);
    QVERIFY(popup->item(0)->text().startsWith(QStringLiteral("sq"), Qt::CaseInsensitive));
    QTest::keyClick(display(), Qt::Key_Escape);
    QVERIFY(!popup->isVisible());
    Type(QStringLiteral("r"));
    QVERIFY(popup->isVisible());
    const QString chosen = popup->item(0)->text().section(QLatin1Char('('), 0, 0);
    QTest::keyClick(display(), Qt::Key_Tab);
    QVERIFY(!popup->isVisible());
    QCOMPARE(text(), QStringLiteral("1+") + chosen + QStringLiteral("()"));
    QCOMPARE(display()->CaretPosition(), display()->TextLength() - 1);

    display()->SetText("");
    Type(QStringLiteral("Abc = 5"));
    Enter();
    Type(QStringLiteral("abc"));
    QVERIFY(popup->isVisible());
    Enter();
    QVERIFY(text().endsWith(QStringLiteral("abc =\n5\n")));
}

void CalculatorWindowTest::escapeCancelsASlowPlot() {
    QTimer::singleShot(400, display(), [&] { QTest::keyClick(display(), Qt::Key_Escape); });
    Type(QStringLiteral("FSUM(t,0,1E15)"));
    app_->window().RunCommand(kCmdPlot);
    const QList<PlotWindow*> open = app_->window().findChildren<PlotWindow*>();
    QCOMPARE(open.size(), 1);
    QCOMPARE(open[0]->findChild<QLabel*>(QStringLiteral("solverValue"))->text(),
             QStringLiteral("FSUM: Error: Evaluation cancelled"));
    QCOMPARE(open[0]->findChild<QLabel*>(QStringLiteral("status"))->text(),
             QStringLiteral("Drawing cancelled"));
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
    // The notice stays above the display after the help line has moved on,
    // until the user closes it.
    NoticeBar* bar = app_->window().noticeBar();
    Enter();
    QVERIFY(bar->isVisible());
    QVERIFY(bar->text().contains(QStringLiteral("damaged")));
    bar->findChild<QPushButton*>(QStringLiteral("closeNotice"))->click();
    QVERIFY(!bar->isVisible());
    // What the session typed is offered a new name at exit (Save As...).
    Type(QStringLiteral("typed in this session"));
    const QString elsewhere = dir_->filePath(QStringLiteral("elsewhere.qws"));
    prompter_.answers.push_back(true);
    fileDialogs_.answers.push_back(ToStdString(elsewhere));
    app_->RequestExit(DesktopProgram::ExitKind::Interactive);
    QVERIFY(!prompter_.shown.empty());
    QVERIFY2(prompter_.shown.back().text.find("Save As...") != std::string::npos,
             prompter_.shown.back().text.c_str());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), damaged);
    QFile saved(elsewhere);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("typed in this session"));
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
