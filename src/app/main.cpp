// quorvix [--data-dir DIR] [ARG]: the desktop calculator. --data-dir keeps
// all state in DIR; it is taken out before ARG is looked at. An ARG that
// contains a lower-case "i" starts the program hidden.
#include <QApplication>
#include <cstdio>

#include "app/RunDesktopProgram.h"
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
    // No display name: Qt would append it to every window title, and the
    // calculator's title already begins with "Quorvix". The desktop entry
    // gives the window its icon and name in task bars.
    QApplication::setDesktopFileName(QStringLiteral("com.daltrane.Quorvix"));
    // The program ends by its exit sequence, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    // One instance per data directory, hidden start, the tray,
    // saving on every way out.
    return RunDesktopProgram(arguments);
}
