#pragma once
// The display's completion list: once two letters of a name stand before
// the caret, the matching functions, user functions, variables and
// constants with their syntax and one line of help (CompletionModel) in a
// list under the caret. Up and Down choose, Tab or Enter insert the chosen
// one (a function as "Name()" with the caret inside; Enter after a variable
// or constant typed in full evaluates instead), Escape closes it;
// every other key goes on to the display. The list never takes the focus.

#include <QListWidget>
#include <functional>
#include <vector>

#include "calculator/CompletionModel.h"

namespace quorvix {

class DisplayEdit;

class CompletionPopup : public QListWidget {
    Q_OBJECT
public:
    // names gives the current user functions and variables each time.
    CompletionPopup(DisplayEdit& display, std::function<CompletionNames()> names);

    // Inserts the chosen completion in place of the typed letters.
    void InsertChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Fills the list for the name before the caret, or hides it.
    void Update();
    // The chosen entry is a variable or constant whose whole name is typed:
    // Enter then evaluates instead of inserting it again.
    bool ChosenIsTypedInFull() const;

    // The text (by the document's revision) and caret the list was last
    // filled or hidden for.
    struct FilledFor {
        int revision = -1;
        int caret = -1;
        bool typing = false;
        bool operator==(const FilledFor&) const = default;
    };

    DisplayEdit& display_;
    std::function<CompletionNames()> names_;
    std::vector<Completion> completions_;
    FilledFor filledFor_;
    bool inserting_ = false;  // the list stays shut while a choice is typed
};

}  // namespace quorvix
