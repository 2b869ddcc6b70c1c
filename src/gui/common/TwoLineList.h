#pragma once
// A list of two-line rows, as search boxes show their matches: a title in
// bold over one line of detail in a quieter colour, both cut with "…" to
// the list's width. Assistive tools read a row as its title with the detail
// as its description; the tooltip shows both whole.
//
// The focus may stay in a search field while the list follows its keys
// (FollowKeysOf): Up, Down, Page Up and Page Down move the current row and
// Enter chooses it, as Enter or a double click in the list itself does.

#include <QList>
#include <QListView>
#include <QString>

class QKeyEvent;
class QLineEdit;

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
    // Takes the moving keys and Enter typed in field.
    void FollowKeysOf(QLineEdit& field);

Q_SIGNALS:
    // The current row changed (-1: none).
    void currentRowChanged(int row);
    // Enter in the list or the followed field, or a double click, on a row.
    void chosen(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* field_ = nullptr;
};

}  // namespace quorvix
