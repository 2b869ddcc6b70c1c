#pragma once
// The modal "User-defined Functions" dialog over UserFunctionsEditor. A
// failed trial compilation selects the faulty part of the expression field.

#include "gui/userdefs/EditorDialog.h"
#include "platform/HelpViewer.h"
#include "userdefs/UserFunctionsEditor.h"

class QLineEdit;
class QSpinBox;

namespace quorvix {

class UserFunctionsDialog : public EditorDialog {
    Q_OBJECT
public:
    UserFunctionsDialog(UserFunctionsEditor& editor, HelpViewer& help, QWidget* parent = nullptr);

protected:
    void readFields() override;
    void refreshFields() override;
    void select(int line) override { editor_.Select(line); }
    void add() override { editor_.Add(); }
    void remove() override { editor_.Remove(); }
    void help() override { editor_.Help(help_); }

private:
    UserFunctionsEditor& editor_;
    HelpViewer& help_;
    QLineEdit* name_ = nullptr;
    QSpinBox* arguments_ = nullptr;
    QLineEdit* expression_ = nullptr;
    QLineEdit* syntax_ = nullptr;
    QLineEdit* description_ = nullptr;
};

}  // namespace quorvix
