#pragma once
// The unit converter as a modeless tool window over the UnitConverter logic:
// two editable drop-down lists over the one recent-units list, the value and
// the result, "&Convert" (the default button), "&Switch" and
// "Unit &Reference..." (also F1). Typing into a list's edit part and choosing
// one of its entries reach the logic separately: a choice converts silently.
//
// Escape and the close box hide the window and mark the logic hidden. The
// recent list is written by the logic's SaveRecent(), which the owner of the
// UnitConverter calls at exit.

#include <QDialog>

#include "platform/HelpViewer.h"
#include "shell/UnitConverter.h"

class QComboBox;
class QLineEdit;

namespace quorvix {

class UnitConverterWindow : public QDialog {
    Q_OBJECT
public:
    UnitConverterWindow(UnitConverter& converter, HelpViewer& help, QWidget* parent = nullptr);

    // "Show &Unit Converter" of the calculator's Options menu: the last
    // result becomes the value, then the window is shown and activated.
    void ShowWithValue(double lastResult);
    // The tray menu's entry: shows the window with its fields unchanged.
    void ShowWindow();
    // Copies the logic's texts, recent list, selections and focus into the widgets.
    void refresh();

    void reject() override;  // Escape: hide

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildUi();
    void readNumbers();
    void convert();
    void switchUnits();
    void choose(QComboBox* box, int index);

    UnitConverter& converter_;
    HelpViewer& help_;
    QComboBox* from_ = nullptr;
    QComboBox* to_ = nullptr;
    QLineEdit* value_ = nullptr;
    QLineEdit* result_ = nullptr;
};

}  // namespace quorvix
