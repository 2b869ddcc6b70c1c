#pragma once
// The Finance box as a modeless tool window over the FinanceBox logic: the
// five amounts with their Calculate buttons (the payment's is the default, so
// Enter computes the payment), the frequency and timing lists, Close and
// Help. Messages go through the Prompter the FinanceBox holds; the APR
// Calculation dialog through its AprCalculationHost (QtAprCalculationHost).
//
// Close, Escape and the close box hide the window and mark the logic hidden;
// showing it (show() or ShowWindow()) marks it visible, so the logic's
// visible() is what the settings record at exit.

#include "gui/common/ToolWindow.h"

#include "finance/FinanceBox.h"
#include "platform/HelpViewer.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace quorvix {

class FinanceBoxWindow : public ToolWindow {
    Q_OBJECT
public:
    FinanceBoxWindow(FinanceBox& box, HelpViewer& help, QWidget* parent = nullptr);

    // "Show &Finance Box" is ShowWindow(): shown, raised and activated.
    // Copies the logic's field texts, choices and focus into the widgets.
    void refresh();

private:
    void buildUi();
    // Reads the widgets into the logic, runs one Calculate, shows the result.
    void calculate(int field);
    QLineEdit* amount(FinanceField field) const;
    static void fitWidestResult(QLineEdit* edit);

    FinanceBox& box_;
    HelpViewer& help_;
    QLineEdit* amounts_[5] = {};
    QButtonGroup* calculateButtons_ = nullptr;
    QComboBox* frequency_ = nullptr;
    QComboBox* timing_ = nullptr;
};

}  // namespace quorvix
