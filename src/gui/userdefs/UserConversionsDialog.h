#pragma once
// The modal "User-defined Conversions" dialog over UserConversionsEditor.

#include "gui/userdefs/EditorDialog.h"
#include "platform/HelpViewer.h"
#include "userdefs/UserConversionsEditor.h"

class QLineEdit;

namespace quorvix {

class UserConversionsDialog : public EditorDialog {
    Q_OBJECT
public:
    UserConversionsDialog(UserConversionsEditor& editor, HelpViewer& help,
                          QWidget* parent = nullptr);

protected:
    void readFields() override;
    void refreshFields() override;
    void select(int line) override { editor_.Select(line); }
    void add() override { editor_.Add(); }
    void remove() override { editor_.Remove(); }
    void help() override { editor_.Help(help_); }

private:
    UserConversionsEditor& editor_;
    HelpViewer& help_;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* factor_ = nullptr;
};

}  // namespace quorvix
