#pragma once
// The modal About box: the program's picture, name and version, the maker's
// notice and contact lines, and the mail and web links. Closed with OK,
// Cancel or Escape.

#include <QDialog>

#include "shell/AboutBox.h"

namespace quorvix {

class Prompter;
class Shell;

// Shows the About box modally over parent (may be null, e.g. from the tray).
void ShowAboutBox(QWidget* parent, Shell& shell, Prompter& prompter);

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(Shell& shell, Prompter& prompter, QWidget* parent = nullptr);
};

}  // namespace quorvix
