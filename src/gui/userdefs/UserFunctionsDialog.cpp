#include "gui/userdefs/UserFunctionsDialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

#include "gui/common/QtText.h"

namespace quorvix {

UserFunctionsDialog::UserFunctionsDialog(UserFunctionsEditor& editor, HelpViewer& help,
                                         QWidget* parent)
    : EditorDialogFor(editor, help, parent) {
    setObjectName(QStringLiteral("userFunctions"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    arguments_ = new QSpinBox(this);
    arguments_->setObjectName(QStringLiteral("arguments"));
    arguments_->setRange(UserFunctionsEditor::kMinArguments, UserFunctionsEditor::kMaxArguments);
    arguments_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    expression_ = new QLineEdit(this);
    expression_->setObjectName(QStringLiteral("expression"));
    syntax_ = new QLineEdit(this);
    syntax_->setObjectName(QStringLiteral("syntax"));
    description_ = new QLineEdit(this);
    description_->setObjectName(QStringLiteral("description"));
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Name:"), name_);
    fields->addRow(QStringLiteral("Ar&guments:"), arguments_);
    fields->addRow(QStringLiteral("E&xpression:"), expression_);
    fields->addRow(QStringLiteral("S&yntax:"), syntax_);
    fields->addRow(QStringLiteral("&Description:"), description_);
    buildFrame(fields);
    setMinimumWidth(fontMetrics().averageCharWidth() * 80);
    refresh();
}

void UserFunctionsDialog::readFields() {
    editor_.nameText = ToStdString(name_->text());
    editor_.argumentsText = ToStdString(arguments_->cleanText());
    editor_.expressionText = ToStdString(expression_->text());
    editor_.syntaxText = ToStdString(syntax_->text());
    editor_.descriptionText = ToStdString(description_->text());
}

void UserFunctionsDialog::refreshFields() {
    name_->setText(ToQString(editor_.nameText));
    // A text the logic refused stays in the spin box for the user to mend.
    if (const int n = UserFunctionsEditor::ArgumentCount(editor_.argumentsText)) {
        arguments_->setValue(n);
    }
    expression_->setText(ToQString(editor_.expressionText));
    syntax_->setText(ToQString(editor_.syntaxText));
    description_->setText(ToQString(editor_.descriptionText));
    switch (editor_.focus()) {
        case UserFunctionsEditor::Field::Name: name_->setFocus(); break;
        case UserFunctionsEditor::Field::Arguments: arguments_->setFocus(); break;
        case UserFunctionsEditor::Field::Expression: expression_->setFocus(); break;
        case UserFunctionsEditor::Field::Syntax: syntax_->setFocus(); break;
        case UserFunctionsEditor::Field::Description: description_->setFocus(); break;
        case UserFunctionsEditor::Field::None: break;
    }
    if (editor_.selectionLength() > 0) {
        // The faulty part of the expression, scrolled into view from its start.
        expression_->setCursorPosition(editor_.selectionStart());
        expression_->setSelection(editor_.selectionStart(), editor_.selectionLength());
    }
}

}  // namespace quorvix
