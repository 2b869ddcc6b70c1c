#pragma once
// The modal "User-defined Functions" dialog over UserFunctionsEditor. A
// failed trial compilation selects the faulty part of the expression field.

#include "gui/userdefs/EditorDialog.h"
#include "userdefs/UserFunctionsEditor.h"

class QLineEdit;
class QSpinBox;

namespace quorvix {

class UserFunctionsDialog : public EditorDialogFor<UserFunctionsEditor> {
    Q_OBJECT
public:
    UserFunctionsDialog(UserFunctionsEditor& editor, HelpViewer& help, QWidget* parent = nullptr);

protected:
    void readFields() override;
    void refreshFields() override;

private:
    QLineEdit* name_ = nullptr;
    QSpinBox* arguments_ = nullptr;
    QLineEdit* expression_ = nullptr;
    QLineEdit* syntax_ = nullptr;
    QLineEdit* description_ = nullptr;
};

}  // namespace quorvix
