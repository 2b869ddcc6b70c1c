#pragma once
// A list of two-line rows, as search boxes show their matches: a title in
// bold over one line of detail in a quieter colour, both cut with "…" to
// the list's width. Assistive tools read a row as its title with the detail
// as its description; the tooltip shows both whole.
//
// The focus may stay in a search field while the list follows its keys:
// the field hands Up, Down, Page Up and Page Down to MoveByKey. Enter or a
// double click on a row (activated) is the caller's to handle.

#include <QList>
#include <QListView>
#include <QString>

class QKeyEvent;

namespace quorvix {

struct TwoLineRow {
    QString title;
    QString detail;
};

class TwoLineList : public QListView {
    Q_OBJECT
public:
    explicit TwoLineList(QWidget* parent = nullptr);

    // Replaces the rows; the first becomes the current one.
    void SetRows(QList<TwoLineRow> rows);
    int rowCount() const;
    // The current row, or -1 when the list is empty.
    int currentRow() const;
    void SetCurrentRow(int row);
    // Moves the current row for Up, Down, Page Up and Page Down; false (and
    // nothing done) for other keys.
    bool MoveByKey(const QKeyEvent& key);

Q_SIGNALS:
    // The current row changed (-1: none).
    void currentRowChanged(int row);
};

}  // namespace quorvix
