#include "gui/userdefs/UserConstantsDialog.h"

#include <QFormLayout>
#include <QLineEdit>

#include "gui/common/QtText.h"

namespace quorvix {

UserConstantsDialog::UserConstantsDialog(UserConstantsEditor& editor, HelpViewer& help,
                                         QWidget* parent)
    : EditorDialogFor(editor, help, parent) {
    setObjectName(QStringLiteral("userConstants"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    unit_ = new QLineEdit(this);
    unit_->setObjectName(QStringLiteral("unit"));
    value_ = new QLineEdit(this);
    value_->setObjectName(QStringLiteral("value"));
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Name:"), name_);
    fields->addRow(QStringLiteral("&Unit:"), unit_);
    fields->addRow(QStringLiteral("&Value:"), value_);
    buildFrame(fields);
    refresh();
}

void UserConstantsDialog::readFields() {
    editor_.nameText = ToStdString(name_->text());
    editor_.unitText = ToStdString(unit_->text());
    editor_.valueText = ToStdString(value_->text());
}

void UserConstantsDialog::refreshFields() {
    name_->setText(ToQString(editor_.nameText));
    unit_->setText(ToQString(editor_.unitText));
    value_->setText(ToQString(editor_.valueText));
    switch (editor_.focus()) {
        case UserConstantsEditor::Field::Name: name_->setFocus(); break;
        case UserConstantsEditor::Field::Unit: unit_->setFocus(); break;
        case UserConstantsEditor::Field::Value: value_->setFocus(); break;
        case UserConstantsEditor::Field::None: break;
    }
}

}  // namespace quorvix
