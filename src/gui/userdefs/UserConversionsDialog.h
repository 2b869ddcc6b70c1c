#pragma once
// The modal "User-defined Conversions" dialog over UserConversionsEditor.

#include "gui/userdefs/EditorDialog.h"
#include "userdefs/UserConversionsEditor.h"

class QLineEdit;

namespace quorvix {

class UserConversionsDialog : public EditorDialogFor<UserConversionsEditor> {
    Q_OBJECT
public:
    UserConversionsDialog(UserConversionsEditor& editor, HelpViewer& help,
                          QWidget* parent = nullptr);

protected:
    void readFields() override;
    void refreshFields() override;

private:
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* factor_ = nullptr;
};

}  // namespace quorvix
