#pragma once
// What the three user-definition dialogs share: the list box beside the
// fields, "&Add" (the default button), "&Remove" and "&Close", F1 for help,
// and the changed flag. The dialogs have no OK or Cancel: "&Close", the
// close box and Escape close them, and exec() returns Accepted exactly when
// an Add or a Remove changed the list (changed() says the same).

#include <QDialog>

#include "platform/HelpViewer.h"
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

    // Puts the list box, the fields and the three buttons into the dialog.
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

// The commands every editor has, forwarded; a dialog adds its fields.
template <class Editor>
class EditorDialogFor : public EditorDialog {
protected:
    EditorDialogFor(Editor& editor, HelpViewer& help, QWidget* parent)
        : EditorDialog(editor, Editor::kCaption, parent), editor_(editor), help_(help) {}

    void select(int line) override { editor_.Select(line); }
    void add() override { editor_.Add(); }
    void remove() override { editor_.Remove(); }
    void help() override { editor_.Help(help_); }

    Editor& editor_;

private:
    HelpViewer& help_;
};

}  // namespace quorvix
