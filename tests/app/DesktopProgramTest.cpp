// The desktop program with its tray: each tray menu entry reaches its action
// through the one route, closing and minimising follow the tray's presence, a hidden start
// without a tray ends up showing the window, and the exit sequence writes
// every file into the data directory (or names those it cannot write).
#include "app/DesktopProgram.h"
#include "calculator/CalculatorDialog.h"

#include <QAction>
#include <QLineEdit>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "calculator/MakerAddresses.h"
#include "gui/GuiTestSupport.h"
#include "gui/calculator/CalculatorWindow.h"
#include "gui/calculator/DisplayEdit.h"
#include "gui/calculator/LongEvaluation.h"
#include "gui/calculator/QtMenus.h"
#include "gui/converter/UnitConverterWindow.h"
#include "gui/finance/FinanceBoxWindow.h"
#include "platform/qt/ExitSignals.h"
#include "gui/tray/TrayIcon.h"
#include "calculator/WorksheetDocument.h"
#include "platform/FileDialogs.h"
#include "platform/FileLock.h"
#include "platform/HelpViewer.h"
#include "platform/Locations.h"
#include "platform/MemoryPrompter.h"
#include "platform/MemorySettingsStore.h"
#include "platform/RunAtLogon.h"
#include "platform/Shell.h"
#include "platform/qt/QtSettingsStore.h"
#include "shell/TrayMenu.h"

using namespace quorvix;

namespace {

// One application over in-memory services (or a real store in dir).
struct Fixture {
    explicit Fixture(bool tray, SettingsStore* realStore = nullptr, int trayWaitMs = kTrayWaitMs,
                     const QString& dataDir = QString())
        : locations((dataDir.isEmpty() ? dir.path() : dataDir).toStdString()),
          app(DesktopServices{prompter, dialogs, help, shell, realStore ? *realStore : store,
                              locations, &logon, [this] { return exitFiles; },
                              [this] { return trayThere; }, trayWaitMs}) {
        trayThere = tray;
    }
    QAction* Entry(int command) {
        emit app.tray().menu().aboutToShow();
        for (QAction* action : app.tray().menu().actions())
            if (CommandOf(action) == command) return action;
        return nullptr;
    }
    std::string File(const char* name) const { return JoinPath(locations.ProgramDirectory(), name); }

    QTemporaryDir dir;
    MemoryPrompter prompter;
    MemoryFileDialogs dialogs;
    MemoryHelpViewer help;
    MemoryShell shell;
    MemorySettingsStore store;
    MemoryRunAtLogon logon;
    FixedLocations locations;
    std::vector<std::string> exitFiles;
    bool trayThere = false;
    DesktopProgram app;
};

template <class Window>
bool AnyVisible() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<Window*>(widget) && widget->isVisible()) return true;
    return false;
}

QByteArray ReadAll(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class DesktopProgramTest : public QObject {
    Q_OBJECT
private slots:
    void menuHasEveryEntryAndItsDefault();
    void menuEntriesRouteToTheirAction_data();
    void menuEntriesRouteToTheirAction();
    void closeAndMinimiseFollowTheTray();
    void hiddenStartWithoutTrayShowsTheWindowAfterWaiting();
    void exitWritesEveryFileIntoTheDataDirectory();
    void toolWindowSettingsChangeOnlyWhenTheUserChangesThem();
    void exitNamesTheFilesItCannotWriteAndStillExits();
    void worksheetInUseIsNotWrittenOver();
    void damagedFilesDoNotStopTheStart();
    void exitSignalsArriveOnTheGuiThread();
    void exitDuringAnEvaluationCancelsItAndSaves();
    void firstStartSaysRunAtStartupOnce();
};

void DesktopProgramTest::menuHasEveryEntryAndItsDefault() {
    Fixture f(true);
    emit f.app.tray().menu().aboutToShow();
    QStringList captions;
    for (const QAction* action : f.app.tray().menu().actions())
        if (!action->isSeparator()) captions << action->text();
    QStringList expected;
    for (const MenuItem& item : BuildTrayMenu())
        if (item.kind == MenuItem::Kind::Command) expected << QString::fromStdString(item.caption);
    QCOMPARE(captions, expected);
    const QAction* byDefault = f.app.tray().menu().defaultAction();
    QVERIFY(byDefault);
    QCOMPARE(CommandOf(byDefault), kTrayDefaultCommand);
    QVERIFY(byDefault->font().bold());
    QCOMPARE(f.app.tray().icon().toolTip().toStdString(), TrayTipText());
    QVERIFY(!f.app.tray().icon().icon().isNull());
}

void DesktopProgramTest::menuEntriesRouteToTheirAction_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("shellSucceeds");
    QTest::addColumn<QString>("opened");   // address given to the shell
    QTest::addColumn<QString>("message");  // message box shown
    QTest::addColumn<QString>("shown");    // window expected visible
    const QString web = QString::fromLatin1(kMakerWebAddress);
    const QString mail = QStringLiteral("mailto:") + QString::fromLatin1(kMakerMailAddress);
    QTest::newRow("homepage") << kCmdTrayHomepage << true << web << QString() << QString();
    QTest::newRow("homepage refused") << kCmdTrayHomepage << false << web
                                      << QStringLiteral("Unable to start browser program")
                                      << QString();
    QTest::newRow("mail refused") << kCmdTrayMailComments << false << mail
                                  << QStringLiteral("Unable to start mail program") << QString();
    QTest::newRow("calculator") << kCmdTrayShowCalculator << true << QString() << QString()
                                << QStringLiteral("calculator");
    QTest::newRow("finance box") << kCmdTrayShowFinanceBox << true << QString() << QString()
                                 << QStringLiteral("finance");
    QTest::newRow("unit converter") << kCmdTrayShowUnitConverter << true << QString()
                                    << QString() << QStringLiteral("converter");
    QTest::newRow("about") << kCmdTrayAbout << true << QString() << QString()
                           << QStringLiteral("about");
    QTest::newRow("exit") << kCmdTrayExit << true << QString() << QString()
                          << QStringLiteral("exited");
}

void DesktopProgramTest::menuEntriesRouteToTheirAction() {
    QFETCH(int, command);
    QFETCH(bool, shellSucceeds);
    QFETCH(QString, opened);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    Fixture f(true);
    f.app.Start(true);
    f.shell.succeed = shellSucceeds;
    test::ModalGuard guard;
    QAction* entry = f.Entry(command);
    QVERIFY(entry);
    entry->trigger();
    if (shown == QLatin1String("calculator")) QTRY_VERIFY(f.app.window().isVisible());
    else if (shown == QLatin1String("finance")) QTRY_VERIFY(AnyVisible<FinanceBoxWindow>());
    else if (shown == QLatin1String("converter")) QTRY_VERIFY(AnyVisible<UnitConverterWindow>());
    else if (shown == QLatin1String("about"))
        QTRY_COMPARE(guard.closedTitles(), QStringList{QStringLiteral("About Quorvix")});
    else if (shown == QLatin1String("exited")) QTRY_VERIFY(f.app.exited());
    else QTest::qWait(20);
    if (shown != QLatin1String("calculator") && shown != QLatin1String("exited"))
        QVERIFY(!f.app.window().isVisible());
    const std::vector<std::string> expectOpened =
        opened.isEmpty() ? std::vector<std::string>{} : std::vector<std::string>{opened.toStdString()};
    QCOMPARE(f.shell.opened, expectOpened);
    QCOMPARE(f.prompter.shown.size(), message.isEmpty() ? 0u : 1u);
    if (!message.isEmpty()) QCOMPARE(QString::fromStdString(f.prompter.shown[0].text), message);
}

void DesktopProgramTest::closeAndMinimiseFollowTheTray() {
    {
        Fixture f(true);
        f.app.Start(false);
        QVERIFY(f.app.window().isVisible());
        QVERIFY(!f.app.window().close());
        QTRY_VERIFY(!f.app.window().isVisible());
        f.app.ShowCalculator();
        f.app.window().showMinimized();
        QTRY_VERIFY(!f.app.window().isVisible());
        QTest::qWait(50);
        QVERIFY(!f.app.exited());
    }
    {
        // Without a tray the close box is the way out.
        Fixture f(false);
        f.app.Start(false);
        f.app.window().close();
        QTRY_VERIFY(f.app.exited());
    }
}

void DesktopProgramTest::hiddenStartWithoutTrayShowsTheWindowAfterWaiting() {
    {
        Fixture f(false, nullptr, 300);
        f.app.Start(true);
        QVERIFY(!f.app.window().isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(f.app.window().isVisible(), 3000);
    }
    {
        // A tray that appears in time takes the program; the window stays hidden.
        Fixture f(false, nullptr, 2000);
        f.app.Start(true);
        f.trayThere = true;
        QTRY_VERIFY(f.app.tray().iconShown());
        QTest::qWait(2200);
        QVERIFY(!f.app.window().isVisible());
    }
}

void DesktopProgramTest::exitWritesEveryFileIntoTheDataDirectory() {
    QTemporaryDir data;
    QtSettingsStore store(data.path().toStdString());
    Fixture f(true, &store, kTrayWaitMs, data.path());
    f.app.Start(true);
    f.app.display().SetText("12*12 =\n144\nkept line");
    f.Entry(kCmdTrayExit)->trigger();
    QTRY_VERIFY(f.app.exited());
    QVERIFY(ReadAll(store.FileName()).contains("[Options]"));
    QVERIFY(ReadAll(f.File("Quorvix.qws")).contains("kept line"));
    QVERIFY(QFile::exists(QString::fromStdString(f.File("Recent.cnv"))));
    QVERIFY(f.prompter.shown.empty());
}

// A hidden start (the autostart entry) leaves ShowFinanceBox and
// ShowUnitConverter as stored; closing a tool window changes its setting.
void DesktopProgramTest::toolWindowSettingsChangeOnlyWhenTheUserChangesThem() {
    for (const bool hidden : {true, false}) {
        MemorySettingsStore store;
        store.WriteInt("Options", "ShowFinanceBox", 1);
        store.WriteInt("Options", "ShowUnitConverter", 1);
        Fixture f(true, &store);
        f.app.Start(hidden);
        if (!hidden) {
            QVERIFY(AnyVisible<FinanceBoxWindow>());
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (qobject_cast<UnitConverterWindow*>(widget)) widget->close();
        }
        f.app.RunCommand(kCmdTrayExit);
        QVERIFY(f.app.exited());
        QCOMPARE(store.ReadInt("Options", "ShowFinanceBox"), std::optional<std::int32_t>(1));
        QCOMPARE(store.ReadInt("Options", "ShowUnitConverter"),
                 std::optional<std::int32_t>(hidden ? 1 : 0));
    }
}

void DesktopProgramTest::exitNamesTheFilesItCannotWriteAndStillExits() {
    Fixture f(true);
    f.app.Start(true);
    const std::string blocked = f.File("missing-folder/Quorvix.qws");
    f.exitFiles = {f.File("Recent.cnv"), blocked};
    // A constant added while user.cst is read-only: the write is refused.
    const std::string constants = f.File("user.cst");
    QFile readOnly(QString::fromStdString(constants));
    QVERIFY(readOnly.open(QIODevice::WriteOnly));
    readOnly.close();
    readOnly.setPermissions(QFileDevice::ReadOwner);
    f.app.calculator().userDefinitions().constants().push_back({"added", "", 2.0});
    f.app.calculator().userDefinitions().MarkConstantsChanged();
    f.app.RunCommand(kCmdTrayExit);
    QVERIFY(f.app.exited());
    QCOMPARE(f.prompter.shown.size(), 1u);
    const QString text = QString::fromStdString(f.prompter.shown[0].text);
    QVERIFY(text.contains(QString::fromStdString(blocked) + QStringLiteral(": ")));
    QVERIFY(text.contains(QString::fromStdString(constants) + QStringLiteral(": ")));
    QVERIFY(!text.contains(QString::fromStdString(f.File("Recent.cnv"))));
}

// A worksheet that a quorvix-cli --worksheet run holds is shown but not
// written: the help line says so at start, and the exit names it.
void DesktopProgramTest::worksheetInUseIsNotWrittenOver() {
    QTemporaryDir data;
    const std::string worksheet = JoinPath(data.path().toStdString(), "Quorvix.qws");
    FileLock cliRun;
    QCOMPARE(cliRun.Acquire(worksheet), FileLock::Result::Locked);
    Fixture f(true, nullptr, kTrayWaitMs, data.path());
    f.app.Start(false);
    QVERIFY(f.app.window().helpLineText().contains(QStringLiteral("quorvix-cli")));
    f.app.display().SetText("typed here");
    f.prompter.answers.push_back(false);  // the offer to save it elsewhere is declined
    f.app.RunCommand(kCmdTrayExit);
    QVERIFY(f.app.exited());
    QVERIFY(!QFile::exists(QString::fromStdString(worksheet)));
    QCOMPARE(f.prompter.shown.size(), 2u);
    QVERIFY(f.prompter.shown[0].text.find("Save As...") != std::string::npos);
    QVERIFY(f.prompter.shown[1].text.find(worksheet + ": " + kWorksheetInUse) != std::string::npos);
}

void DesktopProgramTest::damagedFilesDoNotStopTheStart() {
    QTemporaryDir data;
    const QByteArray garbage("\xff\xff\xff\xff\x7f garbage");
    for (const char* name : {"Quorvix.qws", "user.cst", "user.cnv", "user.fct", "Recent.cnv"}) {
        QFile file(data.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    QtSettingsStore store(data.path().toStdString());
    Fixture f(true, &store, kTrayWaitMs, data.path());
    f.app.Start(false);
    QVERIFY(f.app.window().isVisible());
    f.app.RunCommand(kCmdTrayExit);
    QVERIFY(f.app.exited());
}

void DesktopProgramTest::exitSignalsArriveOnTheGuiThread() {
    ExitSignals exitSignals;
    QVERIFY(exitSignals.installed());
    QSignalSpy spy(&exitSignals, &ExitSignals::exitRequested);
    for (int number : {SIGTERM, SIGINT, SIGHUP}) {
        spy.clear();
        std::raise(number);
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), number);
    }
}

// A signal while a long line runs: the line is cancelled, the worksheet with
// the line is written, and the event loop is told to end.
// Without a tray the first start says on the help line that the program
// now runs at log-on; the next start does not.
void DesktopProgramTest::firstStartSaysRunAtStartupOnce() {
    MemorySettingsStore shared;
    {
        Fixture first(false, &shared);
        first.app.Start(false);
        QVERIFY(first.logon.registered);
        QVERIFY(first.app.window().helpLineText().contains(QLatin1String("Options > Run At Startup")));
    }
    Fixture second(false, &shared);
    second.app.Start(false);
    QVERIFY(!second.app.window().helpLineText().contains(QLatin1String("Run At Startup")));
}

void DesktopProgramTest::exitDuringAnEvaluationCancelsItAndSaves() {
    QTemporaryDir data;
    QtSettingsStore store(data.path().toStdString());
    Fixture f(true, &store, kTrayWaitMs, data.path());
    f.app.Start(false);
    DisplayEdit& display = f.app.display();
    QTest::keyClicks(&display, QStringLiteral("FSUM(t,0,1E15)"));
    bool runningWhenAsked = false;
    QTimer::singleShot(300, &display, [&] {
        runningWhenAsked = f.app.window().evaluation().running();
        f.app.RequestExit(DesktopProgram::ExitKind::Session);
    });
    QTest::keyClick(&display, Qt::Key_Return);  // returns once the line has stopped
    QVERIFY(runningWhenAsked);
    QVERIFY(f.app.exited());
    QVERIFY(!f.app.window().isVisible());
    QVERIFY(ReadAll(f.File("Quorvix.qws")).contains("FSUM(t,0,1E15)"));
}

QTEST_MAIN(DesktopProgramTest)
#include "DesktopProgramTest.moc"
