#pragma once
// The desktop program's command line:
//   quorvix [--help] [--version] [--hidden] [--finance-box | --unit-converter]
//           [--data-dir DIR] [ARG].
// The options are taken out first, wherever they stand; what is left first
// is ARG, and an ARG containing a lower-case "i" starts the program hidden
// (the run-at-log-on entry passes "/i"). "--hidden" starts it hidden too.
// Later arguments are ignored. "--help" and "--version" ask for a text on
// standard output and no window; "--finance-box" and "--unit-converter"
// (the desktop entry's actions) show that tool window, in the running
// program when there is one.

#include <string>
#include <vector>

#include "shell/InstanceRequest.h"

namespace quorvix {

struct AppArguments {
    std::string dataDir;    // absolute; empty: the user's own locations
    std::string first;      // ARG, empty when there is none
    bool startHidden = false;
    bool showHelp = false;
    bool showVersion = false;
    ShownWindow window = ShownWindow::kCalculator;  // the window asked for
    std::string error;      // set for "--data-dir" without a directory
};

// The "--help" text: usage and the options, one per line.
std::string AppUsageText();

AppArguments ParseAppArguments(const std::vector<std::string>& arguments);
// From main's argument vector (the program name first).
AppArguments ParseAppArguments(int argc, const char* const* argv);

}  // namespace quorvix
