#pragma once
// The one search over every function, constant, unit conversion and user
// definition (Ctrl+K): a filter field over the matches (CatalogueSearch),
// each shown with its title and one line of help. Typing filters at every
// keystroke; Up, Down, Page Up and Page Down move in the list while the
// focus stays in the field; Enter or a double click chooses, Escape closes.
// Choosing closes the dialog and hands the entry to the window, which runs
// its menu command or types its insertion.
//
// The dialog belongs to the calculator window and is reused; the index is
// built on the first opening after InvalidateIndex (the user definitions
// changed), not at every opening.

#include <QDialog>
#include <functional>
#include <vector>

#include "calculator/CatalogueSearch.h"

class QLabel;
class QLineEdit;

namespace quorvix {

class TwoLineList;

class SearchDialog : public QDialog {
    Q_OBJECT
public:
    using IndexBuilder = std::function<std::vector<SearchEntry>()>;
    using Chooser = std::function<void(const SearchEntry&)>;

    SearchDialog(IndexBuilder buildIndex, Chooser choose, QWidget* parent);

    // Shows the dialog with the last query selected, so typing replaces it.
    void Open();
    void InvalidateIndex() { indexValid_ = false; }

    QLineEdit* filter() const { return filter_; }
    TwoLineList* list() const { return list_; }

protected:
    // Closed either way, the calculator window takes the keyboard back.
    void hideEvent(QHideEvent* event) override;

private:
    void Filter();
    void ShowCurrent(int row);
    void Choose();

    IndexBuilder buildIndex_;
    Chooser choose_;
    std::vector<SearchEntry> index_;
    bool indexValid_ = false;
    std::vector<const SearchEntry*> shown_;
    QLineEdit* filter_ = nullptr;
    TwoLineList* list_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace quorvix
