// The exit's message box with the real QMessageBox, in a program of its own:
// once an exit has ended the event loop, every later modal box of the same
// process returns at once.
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/DesktopProgram.h"
#include "gui/common/QtPrompter.h"
#include "platform/CommandIds.h"
#include "platform/FileDialogs.h"
#include "platform/HelpViewer.h"
#include "platform/Locations.h"
#include "platform/MemorySettingsStore.h"
#include "platform/Shell.h"

using namespace quorvix;

class SessionExitTest : public QObject {
    Q_OBJECT
private slots:
    void sessionExitClosesTheExitMessageBox();
};

// The exit's own message (a file it could not write) is closed by a signal
// or the session's end, and the exit completes.
void SessionExitTest::sessionExitClosesTheExitMessageBox() {
    QTemporaryDir data;
    QtPrompter prompter;
    MemoryFileDialogs dialogs;
    MemoryHelpViewer help;
    MemoryShell shell;
    MemorySettingsStore store;
    FixedLocations locations(data.path().toStdString());
    const std::string blocked = JoinPath(locations.ProgramDirectory(), "missing-folder/Recent.cnv");
    DesktopProgram program(DesktopServices{prompter, dialogs, help, shell, store, locations,
                                           nullptr, [&] { return std::vector<std::string>{blocked}; },
                                           [] { return true; }, kTrayWaitMs});
    program.Start(true);
    QString shown;
    bool stuck = false;
    QTimer watch;
    watch.setInterval(50);
    int ticks = 0;
    connect(&watch, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        if (shown.isEmpty()) {
            shown = box->text();
            program.RequestExit(DesktopProgram::ExitKind::Session);
        } else if (++ticks > 100) {
            stuck = true;  // still open after the session exit
            box->reject();
        }
    });
    watch.start();
    program.RunCommand(kCmdTrayExit);
    watch.stop();
    QVERIFY2(shown.contains(QString::fromStdString(blocked)), qPrintable(shown));
    QVERIFY(!stuck);
    QVERIFY(program.exited());
}

QTEST_MAIN(SessionExitTest)
#include "SessionExitTest.moc"
