#pragma once
// The help window's search over all pages: a field and the matching
// sections (HelpSearch), each with its heading, its page and the text
// around the match. The list follows every keystroke; Up, Down, Page Up and
// Page Down move in it while the focus stays in the field; Enter (or a
// click) opens the chosen section. The index is asked for only when the
// user first searches.

#include <QWidget>
#include <functional>
#include <vector>

#include "shell/HelpSearch.h"

class QLabel;
class QLineEdit;

namespace quorvix {

class TwoLineList;

class HelpSearchPanel : public QWidget {
    Q_OBJECT
public:
    using IndexSource = std::function<const HelpSearch&()>;
    using Opener = std::function<void(const HelpSearchHit&)>;

    HelpSearchPanel(IndexSource index, Opener open, QWidget* parent = nullptr);

    // Shows the panel with query in the field, selected, and its matches.
    void Start(const QString& query);

    QLineEdit* field() const { return field_; }
    TwoLineList* results() const { return results_; }
    const std::vector<HelpSearchHit>& hits() const { return hits_; }

private:
    void Search();
    void OpenCurrent();

    IndexSource index_;
    Opener open_;
    std::vector<HelpSearchHit> hits_;
    QLineEdit* field_ = nullptr;
    TwoLineList* results_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace quorvix
