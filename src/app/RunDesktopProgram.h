#pragma once
// The desktop program as a whole, run from main: one instance per data
// directory, the application object with its real services, the tray, the
// exit signals, the session manager and the global shortcut.

#include "shell/AppArguments.h"

namespace quorvix {

// Needs a QApplication; returns the process's exit code.
int RunTrayProgram(const AppArguments& arguments);

}  // namespace quorvix
