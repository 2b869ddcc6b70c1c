#pragma once
// The desktop program as a whole, run from main: one instance per data
// directory, the real services, the program object, the exit signals, the
// session manager and the global shortcut.

#include "shell/AppArguments.h"

namespace quorvix {

// Needs a QApplication; returns the process's exit code.
int RunDesktopProgram(const AppArguments& arguments);

}  // namespace quorvix
