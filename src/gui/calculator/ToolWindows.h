#pragma once
// The windows the calculator window opens: the Finance box and the unit
// converter (modeless, created with the window, owned here with their
// logic), and the modal dialogs of the Options and Help menus.

#include <QPoint>
#include <QSize>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "calculator/Settings.h"
#include "gui/calculator/CalculatorWindow.h"

namespace quorvix {

class FinanceBox;
class FinanceBoxWindow;
class PlotEvaluationHost;
class PlotWindows;
class QtAprCalculationHost;
class UnitConverter;
class UnitConverterWindow;

class ToolWindows {
public:
    ToolWindows(CalculatorWindow& window, const CalculatorWindow::Logic& logic);
    ~ToolWindows();
    ToolWindows(const ToolWindows&) = delete;
    ToolWindows& operator=(const ToolWindows&) = delete;

    // At start (unless the program starts hidden): the tool windows that
    // were open at the last exit.
    void ShowAtStart();
    // At exit: the recent units are written.
    void SaveAtExit();
    bool financeBoxVisible() const;
    bool unitConverterVisible() const;

    QSize FinanceBoxSize() const;
    void PlaceFinanceBox(QPoint topLeft);
    QSize UnitConverterSize() const;
    void PlaceUnitConverter(QPoint topLeft);
    void SetTopmost(bool on);

    void ShowDisplayOptions();
    void ShowUnitConverter(double value);
    void ShowFinanceBox();
    void ShowAbout();
    // A plot of the caret's line, or the reason why not on the help line.
    void ShowPlot();
    PlotWindows& plots() { return *plots_; }
    std::optional<int> AskNumberBase();
    void EditCustomKeys(std::array<std::string, kCustomKeyCount>& captions);
    void EditUserDefinitions(int editCommand);

private:
    CalculatorWindow& window_;
    CalculatorWindow::Logic logic_;
    std::unique_ptr<QtAprCalculationHost> aprHost_;
    std::unique_ptr<FinanceBox> financeBox_;
    std::unique_ptr<UnitConverter> unitConverter_;
    FinanceBoxWindow* financeWindow_ = nullptr;
    UnitConverterWindow* converterWindow_ = nullptr;
    std::unique_ptr<PlotEvaluationHost> plotHost_;
    std::unique_ptr<PlotWindows> plots_;
};

}  // namespace quorvix
