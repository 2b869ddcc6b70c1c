#pragma once
// The desktop program's command line: quorvix [--data-dir DIR] [ARG].
// "--data-dir DIR" (or "--data-dir=DIR") is taken out first; what is left
// first is ARG, and an ARG containing a lower-case "i" starts the program
// hidden (the run-at-log-on entry passes "/i"). Later arguments are ignored.

#include <string>
#include <vector>

namespace quorvix {

struct AppArguments {
    std::string dataDir;    // absolute; empty: the user's own locations
    std::string first;      // ARG, empty when there is none
    bool startHidden = false;
    std::string error;      // set for "--data-dir" without a directory
};

AppArguments ParseAppArguments(const std::vector<std::string>& arguments);
// From main's argument vector (the program name first).
AppArguments ParseAppArguments(int argc, const char* const* argv);

}  // namespace quorvix
