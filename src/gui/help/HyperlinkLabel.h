#pragma once
// A hyperlink control: its text underlined in the link colour (the visited
// colour after a click), a hand cursor over it, and a click that opens its
// address through the Shell; the rules live in Hyperlink.

#include <QLabel>

#include "shell/AboutBox.h"

namespace quorvix {

class Prompter;
class Shell;

class HyperlinkLabel : public QLabel {
    Q_OBJECT
public:
    HyperlinkLabel(Hyperlink link, Shell& shell, Prompter& prompter, QWidget* parent = nullptr);

    const Hyperlink& link() const { return link_; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Activate();
    void ApplyColour();

    Hyperlink link_;
    Shell& shell_;
    Prompter& prompter_;
};

}  // namespace quorvix
