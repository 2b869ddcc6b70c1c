#include "app/RunDesktopProgram.h"

#include <QApplication>
#include <QSessionManager>
#include <cstdio>

#include "app/DesktopProgram.h"
#include "gui/calculator/CalculatorWindow.h"
#include "gui/common/QtFileDialogs.h"
#include "gui/common/QtPrompter.h"
#include "gui/common/QtShell.h"
#include "gui/common/QtText.h"
#include "gui/help/LazyHelpWindow.h"
#include "platform/qt/ExitSignals.h"
#include "platform/qt/GlobalShortcut.h"
#include "platform/qt/SingleInstance.h"
#include "platform/qt/QtLocations.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/XdgAutostart.h"
#include "shell/InstanceRequest.h"

namespace quorvix {

namespace {
constexpr const char* kGlobalShortcutKey = "Options";
constexpr const char* kGlobalShortcutName = "GlobalShortcut";

// The stored shortcut; a first start stores the default so that the user
// finds the value to change.
QString GlobalShortcutSetting(SettingsStore& store) {
    if (const auto stored = store.ReadString(kGlobalShortcutKey, kGlobalShortcutName))
        return QString::fromStdString(*stored);
    store.WriteString(kGlobalShortcutKey, kGlobalShortcutName, kDefaultGlobalShortcut);
    return QString::fromLatin1(kDefaultGlobalShortcut);
}
}  // namespace

int RunDesktopProgram(const AppArguments& arguments) {
    QtLocations locations(arguments.dataDir);
    const std::string directory = locations.ProgramDirectory();

    // A second start hands over to the running program and ends.
    SingleInstance instance(QString::fromStdString(directory));
    if (instance.Claim() == SingleInstance::Role::Secondary) {
        const bool wantsWindow =
            !arguments.startHidden || arguments.window != ShownWindow::kCalculator;
        const std::string_view request = InstanceRequestText(arguments.window);
        if (wantsWindow && !instance.Send(QByteArray(request.data(), qsizetype(request.size()))))
            std::fprintf(stderr, "quorvix: another Quorvix uses %s but does not answer\n",
                         directory.c_str());
        return 0;
    }

    QtSettingsStore store(arguments.dataDir);
    XdgAutostart autostart(arguments.dataDir);
    QtPrompter prompter;
    QtFileDialogs fileDialogs;
    QtShell shell;
    LazyHelpWindow help;
    // The worksheet and the user definition files report their own write
    // failures; these files are checked one by one.
    auto exitFiles = [&] {
        return std::vector<std::string>{store.FileName(), JoinPath(directory, "Recent.cnv")};
    };
    DesktopProgram program(DesktopServices{prompter, fileDialogs, help, shell, store, locations,
                                           &autostart, exitFiles, {}, kTrayWaitMs});
    prompter.SetParent(&program.window());
    fileDialogs.SetParent(&program.window());

    QObject::connect(&instance, &SingleInstance::requestReceived, &program,
                     [&program](const QByteArray& request) {
                         const auto window = ParseInstanceRequest(request.toStdString());
                         if (window == ShownWindow::kCalculator) program.ShowCalculator();
                         else if (window) program.RunCommand(TrayCommandToShow(*window));
                     });
    // Every way out saves like Exit: signals and the session's end, where
    // nobody may be there to answer a box.
    ExitSignals exitSignals;
    auto sessionExit = [&program] { program.RequestExit(DesktopProgram::ExitKind::Session); };
    QObject::connect(&exitSignals, &ExitSignals::exitRequested, &program, sessionExit);
    auto* application = qApp;
    QObject::connect(application, &QGuiApplication::commitDataRequest, &program,
                     [sessionExit](QSessionManager&) { sessionExit(); });
    QObject::connect(application, &QGuiApplication::saveStateRequest, &program,
                     [sessionExit](QSessionManager&) { sessionExit(); });

    GlobalShortcut shortcut(GlobalShortcutSetting(store));
    QObject::connect(&shortcut, &GlobalShortcut::activated, &program,
                     [&program] { program.ToggleCalculator(); });

    // An unusable shortcut setting is said where the user looks, not only
    // on the terminal. Before the start, whose one-time first-start message
    // takes the help line when there is no tray (this one comes every time).
    if (!shortcut.refusal().empty()) program.calculator().ShowHelpText(shortcut.refusal());
    program.Start(arguments.startHidden);
    if (arguments.window != ShownWindow::kCalculator)
        program.RunCommand(TrayCommandToShow(arguments.window));
    QApplication::exec();
    return 0;
}

}  // namespace quorvix
