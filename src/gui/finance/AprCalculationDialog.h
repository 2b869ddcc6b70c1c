#pragma once
// The modal "APR Calculation" dialog over the AprCalculation logic: the
// prompt, the guess field, OK and Cancel, F1 for the "RATE" help. OK keeps
// the dialog open while the logic refuses the text.
//
// QtAprCalculationHost is the AprCalculationHost a FinanceBox is built
// with: it runs this dialog, parented to the window set with SetParent
// (normally the FinanceBoxWindow).

#include <QDialog>
#include <QPointer>

#include "finance/AprCalculation.h"
#include "platform/HelpViewer.h"

class QLineEdit;

namespace quorvix {

class AprCalculationDialog : public QDialog {
    Q_OBJECT
public:
    AprCalculationDialog(AprCalculation& logic, HelpViewer& help, QWidget* parent = nullptr);

    void accept() override;  // OK: the logic validates the guess

private:
    AprCalculation& logic_;
    HelpViewer& help_;
    QLineEdit* guess_ = nullptr;
};

class QtAprCalculationHost : public AprCalculationHost {
public:
    explicit QtAprCalculationHost(HelpViewer& help, QWidget* parent = nullptr)
        : help_(help), parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    bool Run(AprCalculation& dialog) override;

private:
    HelpViewer& help_;
    QPointer<QWidget> parent_;
};

}  // namespace quorvix
