#pragma once
// The modal "List of user-defined constants" dialog over UserConstantsEditor.

#include "gui/userdefs/EditorDialog.h"
#include "platform/HelpViewer.h"
#include "userdefs/UserConstantsEditor.h"

class QLineEdit;

namespace quorvix {

class UserConstantsDialog : public EditorDialog {
    Q_OBJECT
public:
    UserConstantsDialog(UserConstantsEditor& editor, HelpViewer& help, QWidget* parent = nullptr);

protected:
    void readFields() override;
    void refreshFields() override;
    void select(int line) override { editor_.Select(line); }
    void add() override { editor_.Add(); }
    void remove() override { editor_.Remove(); }
    void help() override { editor_.Help(help_); }

private:
    UserConstantsEditor& editor_;
    HelpViewer& help_;
    QLineEdit* name_ = nullptr;
    QLineEdit* unit_ = nullptr;
    QLineEdit* value_ = nullptr;
};

}  // namespace quorvix
