#include "gui/keypad/ChangeNumberBaseDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "calculator/FrameIndicators.h"
#include "gui/common/QtText.h"

namespace quorvix {

ChangeNumberBaseDialog::ChangeNumberBaseDialog(Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("changeNumberBaseDialog"));
    setWindowTitle(QString::fromLatin1(NumberBaseField::kCaption));

    field_ = new QLineEdit(QString::fromLatin1(NumberBaseField::kInitialText), this);
    field_->setObjectName(QStringLiteral("baseField"));
    field_->selectAll();
    auto* label = new QLabel(QString::fromLatin1(NumberBaseField::kPrompt), this);
    label->setBuddy(field_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(label);
    column->addWidget(field_);
    column->addSpacing(label->fontMetrics().height() / 2);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void ChangeNumberBaseDialog::accept() {
    base_ = NumberBaseField::Read(ToStdString(field_->text()), prompter_);
    if (!base_) {
        // Refused: the message has been shown; the user corrects the field.
        field_->setFocus();
        field_->selectAll();
        return;
    }
    QDialog::accept();
}

std::optional<int> ChangeNumberBaseDialog::ask(Prompter& prompter, QWidget* parent) {
    ChangeNumberBaseDialog dialog(prompter, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.base();
}

}  // namespace quorvix
