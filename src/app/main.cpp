// quorvix [--help] [--version] [--hidden] [--data-dir DIR] [ARG]: the
// desktop calculator. The options are taken out before ARG is looked at;
// --help and --version print and end before any window or file is made.
#include <QApplication>
#include <cstdio>

#include "app/RunDesktopProgram.h"
#include "shell/AppArguments.h"

#ifndef QUORVIX_VERSION
#define QUORVIX_VERSION "unknown"
#endif

int main(int argc, char** argv) {
    using namespace quorvix;
    // Answered before Qt starts: they need no display and touch no file.
    if (const AppArguments early = ParseAppArguments(argc, argv);
        early.showHelp || early.showVersion) {
        std::fputs(early.showVersion ? "quorvix " QUORVIX_VERSION "\n" : AppUsageText().c_str(),
                   stdout);
        return 0;
    }
    // Qt takes its own options (-display, -platform, ...) out first.
    QApplication app(argc, argv);
    const AppArguments arguments = ParseAppArguments(argc, argv);
    if (!arguments.error.empty()) {
        std::fprintf(stderr, "quorvix: %s\n%s", arguments.error.c_str(),
                     AppUsageText().c_str());
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
