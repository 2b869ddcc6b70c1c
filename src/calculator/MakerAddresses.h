#pragma once
// The maker's web and mail addresses, the window title built from them, and
// opening them in the user's browser or mail program.

#include <string>

namespace quorvix {

class Prompter;
class Shell;

inline constexpr const char* kMakerWebAddress = "https://www.daltrane.example/quorvix";
inline constexpr const char* kMakerMailAddress = "support@daltrane.example";

// "Quorvix - " and the web address.
std::string CalculatorWindowTitle();

// Opens the web address; when the shell refuses, the message box "Unable to
// start browser program" captioned with the program's title.
void OpenMakerHomepage(Shell& shell, Prompter& prompter);
// Opens a new mail message to the maker ("mailto:"); when refused, "Unable
// to start mail program".
void OpenMakerMail(Shell& shell, Prompter& prompter);

}  // namespace quorvix
