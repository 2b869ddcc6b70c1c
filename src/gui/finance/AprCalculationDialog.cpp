#include "gui/finance/AprCalculationDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "gui/common/QtText.h"

namespace quorvix {

AprCalculationDialog::AprCalculationDialog(AprCalculation& logic, HelpViewer& help,
                                           QWidget* parent)
    : QDialog(parent), logic_(logic), help_(help) {
    setObjectName(QStringLiteral("aprCalculation"));
    setWindowTitle(ToQString(AprCalculation::kCaption));

    auto* prompt = new QLabel(ToQString(AprCalculation::kPrompt), this);
    prompt->setWordWrap(true);
    guess_ = new QLineEdit(ToQString(logic_.text()), this);
    guess_->setObjectName(QStringLiteral("guess"));
    guess_->setAccessibleName(QStringLiteral("Interest rate guess"));
    prompt->setBuddy(guess_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &AprCalculationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AprCalculationDialog::reject);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { logic_.Help(help_); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(guess_);
    layout->addWidget(buttons);
    setMinimumWidth(prompt->fontMetrics().averageCharWidth() * 48);
    guess_->selectAll();
}

void AprCalculationDialog::accept() {
    logic_.SetText(ToStdString(guess_->text()));
    const bool accepted = logic_.Ok();
    if (logic_.textSelected()) {
        guess_->setFocus();
        guess_->selectAll();
    }
    if (accepted) QDialog::accept();
}

bool QtAprCalculationHost::Run(AprCalculation& dialog) {
    AprCalculationDialog view(dialog, help_, parent_);
    return view.exec() == QDialog::Accepted;
}

}  // namespace quorvix
