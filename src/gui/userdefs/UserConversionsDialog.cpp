#include "gui/userdefs/UserConversionsDialog.h"

#include <QFormLayout>
#include <QLineEdit>

#include "gui/common/QtText.h"

namespace quorvix {

UserConversionsDialog::UserConversionsDialog(UserConversionsEditor& editor, HelpViewer& help,
                                             QWidget* parent)
    : EditorDialogFor(editor, help, parent) {
    setObjectName(QStringLiteral("userConversions"));
    from_ = new QLineEdit(this);
    from_->setObjectName(QStringLiteral("from"));
    to_ = new QLineEdit(this);
    to_->setObjectName(QStringLiteral("to"));
    factor_ = new QLineEdit(this);
    factor_->setObjectName(QStringLiteral("factor"));
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&From:"), from_);
    fields->addRow(QStringLiteral("&To:"), to_);
    fields->addRow(QStringLiteral("&Factor:"), factor_);
    buildFrame(fields);
    refresh();
}

void UserConversionsDialog::readFields() {
    editor_.fromText = ToStdString(from_->text());
    editor_.toText = ToStdString(to_->text());
    editor_.factorText = ToStdString(factor_->text());
}

void UserConversionsDialog::refreshFields() {
    from_->setText(ToQString(editor_.fromText));
    to_->setText(ToQString(editor_.toText));
    factor_->setText(ToQString(editor_.factorText));
    switch (editor_.focus()) {
        case UserConversionsEditor::Field::From: from_->setFocus(); break;
        case UserConversionsEditor::Field::To: to_->setFocus(); break;
        case UserConversionsEditor::Field::Factor: factor_->setFocus(); break;
        case UserConversionsEditor::Field::None: break;
    }
}

}  // namespace quorvix
