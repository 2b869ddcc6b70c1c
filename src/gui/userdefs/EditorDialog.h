#pragma once
// What the three user-definition dialogs share: the list box beside the
// fields, "&Add" (the default button) and "&Remove", F1 for help, and the
// changed flag. The dialogs have no OK or Cancel: the close box and Escape
// close them, and exec() returns Accepted exactly when an Add or a Remove
// changed the list (changed() says the same).

#include <QDialog>

#include "userdefs/EditorList.h"

class QFormLayout;
class QListWidget;
class QPushButton;

namespace quorvix {

class EditorDialog : public QDialog {
    Q_OBJECT
public:
    bool changed() const { return list_.changed(); }
    void done(int result) override;

protected:
    EditorDialog(EditorList& list, const char* caption, QWidget* parent);

    // Puts the list box, the fields and the two buttons into the dialog.
    void buildFrame(QFormLayout* fields);
    // Copies the list lines, the selection, "&Remove"'s enablement and the
    // fields (refreshFields) into the widgets.
    void refresh();

    // The editor's commands and fields, per kind.
    virtual void readFields() = 0;
    virtual void refreshFields() = 0;
    virtual void select(int line) = 0;
    virtual void add() = 0;
    virtual void remove() = 0;
    virtual void help() = 0;

private:
    EditorList& list_;
    QListWidget* lines_ = nullptr;
    QPushButton* remove_ = nullptr;
};

}  // namespace quorvix
