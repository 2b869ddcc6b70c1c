#include "gui/tray/TrayProgram.h"

#include <QApplication>
#include <QSessionManager>
#include <cstdio>

#include "calculator/CalculatorDialog.h"
#include "gui/calculator/CalculatorApp.h"
#include "gui/calculator/CalculatorWindow.h"
#include "gui/common/QtFileDialogs.h"
#include "gui/common/QtPrompter.h"
#include "gui/common/QtShell.h"
#include "gui/common/QtText.h"
#include "gui/help/LazyHelpWindow.h"
#include "gui/tray/ExitSignals.h"
#include "gui/tray/GlobalShortcut.h"
#include "gui/tray/SingleInstance.h"
#include "gui/tray/TrayWindow.h"
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

int RunTrayProgram(const AppArguments& arguments) {
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

    CalculatorApp calculator(
        AppServices{prompter, fileDialogs, help, shell, store, locations, &autostart});
    prompter.SetParent(&calculator.window());
    fileDialogs.SetParent(&calculator.window());

    // The worksheet reports its own write failures; these are probed.
    auto exitFiles = [&] {
        return std::vector<std::string>{store.FileName(), JoinPath(directory, "Recent.cnv")};
    };
    TrayWindow tray(calculator, TrayWindow::Services{prompter, shell, exitFiles, {}});

    QObject::connect(&instance, &SingleInstance::requestReceived, &tray,
                     [&tray](const QByteArray& request) {
                         const auto window = ParseInstanceRequest(request.toStdString());
                         if (window == ShownWindow::kCalculator) tray.ShowCalculator();
                         else if (window) tray.RunCommand(TrayCommandToShow(*window));
                     });
    // Every way out saves like Exit: signals and the session's end.
    ExitSignals exitSignals;
    QObject::connect(&exitSignals, &ExitSignals::exitRequested, &tray,
                     [&tray] { tray.RequestExit(false); });
    auto* application = qApp;
    QObject::connect(application, &QGuiApplication::commitDataRequest, &tray,
                     [&tray](QSessionManager&) { tray.RequestExit(false); });
    QObject::connect(application, &QGuiApplication::saveStateRequest, &tray,
                     [&tray](QSessionManager&) { tray.RequestExit(false); });

    GlobalShortcut shortcut(GlobalShortcutSetting(store));
    QObject::connect(&shortcut, &GlobalShortcut::activated, &tray,
                     [&tray] { tray.ToggleCalculator(); });

    tray.Start(arguments.startHidden);
    if (arguments.window != ShownWindow::kCalculator)
        tray.RunCommand(TrayCommandToShow(arguments.window));
    QApplication::exec();
    return 0;
}

}  // namespace quorvix
