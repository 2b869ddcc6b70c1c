// quorvix [--data-dir DIR] [ARG]: the desktop calculator. --data-dir keeps
// all state in DIR; it is taken out before ARG is looked at. An ARG that
// contains a lower-case "i" starts the program hidden.
#include <QApplication>
#include <cstdio>

#include "gui/calculator/CalculatorApp.h"
#include "gui/calculator/CalculatorWindow.h"
#include "gui/common/QtFileDialogs.h"
#include "gui/common/QtPrompter.h"
#include "gui/common/QtShell.h"
#include "gui/help/HelpWindow.h"
#include "platform/qt/QtLocations.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/XdgAutostart.h"
#include "shell/AppArguments.h"

int main(int argc, char** argv) {
    using namespace quorvix;
    // Qt takes its own options (-display, -platform, ...) out first.
    QApplication app(argc, argv);
    const AppArguments arguments = ParseAppArguments(argc, argv);
    if (!arguments.error.empty()) {
        std::fprintf(stderr, "quorvix: %s\nusage: quorvix [--data-dir DIR] [ARG]\n",
                     arguments.error.c_str());
        return 2;
    }
    QApplication::setOrganizationName(QStringLiteral("Daltrane"));
    QApplication::setApplicationName(QStringLiteral("Quorvix"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvix"));
    // The program ends by its exit sequence, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    QtLocations locations(arguments.dataDir);
    QtSettingsStore store(arguments.dataDir);
    XdgAutostart autostart(arguments.dataDir);
    QtPrompter prompter;
    QtFileDialogs fileDialogs;
    QtShell shell;
    HelpWindow help;

    CalculatorApp calculator(
        AppServices{prompter, fileDialogs, help, shell, store, locations, &autostart});
    prompter.SetParent(&calculator.window());
    fileDialogs.SetParent(&calculator.window());
    // Until the tray icon exists a hidden start (arguments.startHidden)
    // would leave no way back to the window, so the window is shown.
    calculator.Start(/*startHidden=*/false);
    return app.exec();
}
