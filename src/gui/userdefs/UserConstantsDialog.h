#pragma once
// The modal "List of user-defined constants" dialog over UserConstantsEditor.

#include "gui/userdefs/EditorDialog.h"
#include "userdefs/UserConstantsEditor.h"

class QLineEdit;

namespace quorvix {

class UserConstantsDialog : public EditorDialogFor<UserConstantsEditor> {
    Q_OBJECT
public:
    UserConstantsDialog(UserConstantsEditor& editor, HelpViewer& help, QWidget* parent = nullptr);

protected:
    void readFields() override;
    void refreshFields() override;

private:
    QLineEdit* name_ = nullptr;
    QLineEdit* unit_ = nullptr;
    QLineEdit* value_ = nullptr;
};

}  // namespace quorvix
