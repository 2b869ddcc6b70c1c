#pragma once
// The frame host of the calculator window: what the frame's commands ask of
// the real windows. It shows the Finance box and the unit converter
// (modeless, created here over logic that the desktop program owns), opens
// the modal dialogs of the Options and Help menus, and places the windows
// on the screen at start.

#include <QPoint>
#include <QSize>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "calculator/CalculatorFrame.h"
#include "calculator/Settings.h"

namespace quorvix {

class CalculatorDialog;
class CalculatorWindow;
class FinanceBox;
class FinanceBoxWindow;
class HelpViewer;
class PlotEvaluationHost;
class PlotWindows;
class Prompter;
class Shell;
class UnitConverter;
class UnitConverterWindow;

class ToolWindows : public FrameHost {
public:
    // The logic and services the dialogs and tool windows use; owned by the
    // desktop program, as is this object.
    struct Logic {
        Settings& settings;
        CalculatorDialog& calculator;
        FinanceBox& financeBox;
        UnitConverter& unitConverter;
        Prompter& prompter;
        HelpViewer& help;
        Shell& shell;
    };

    // The tool windows are Qt children of window.
    ToolWindows(CalculatorWindow& window, Logic logic);
    ~ToolWindows() override;
    ToolWindows(const ToolWindows&) = delete;
    ToolWindows& operator=(const ToolWindows&) = delete;

    // Places the calculator, the Finance box and the unit converter on the
    // calculator's screen (before they are shown).
    void PlaceOnScreen();
    // At start (unless the program starts hidden): the tool windows that
    // were open at the last exit.
    void ShowAtStart();
    // At exit: every plot window closes with the calculator.
    void ClosePlots();
    // Whether each tool window is open, as the exit records it: shown and not
    // closed since (also while hidden with the calculator). A window neither
    // shown nor closed in this run (a hidden start) keeps the stored setting.
    bool financeBoxVisible() const;
    bool unitConverterVisible() const;
    FinanceBoxWindow& financeWindow() const { return *financeWindow_; }

    // --- FrameHost ---------------------------------------------------------------
    void SetOwnerTopmost(bool on) override;
    void SetKeypadVisible(bool shown) override;
    void SetTooltipsEnabled(bool on) override;
    void ShowDisplayOptions() override;
    void ShowUnitConverter(double value) override;
    void ShowFinanceBox() override;
    void ShowAbout() override;
    std::optional<int> AskNumberBase() override;
    void EditCustomKeys(std::array<std::string, kCustomKeyCount>& captions) override;
    void EditUserDefinitions(int editCommand) override;
    void ShowPlot() override;
    void ZoomDisplay(int steps) override;
    void ShowCatalogueSearch() override;

private:
    CalculatorWindow& window_;
    Logic logic_;
    FinanceBoxWindow* financeWindow_ = nullptr;
    UnitConverterWindow* converterWindow_ = nullptr;
    // Plot windows: Qt children of the calculator window, evaluated through
    // its long-evaluation runner.
    std::unique_ptr<PlotEvaluationHost> plotHost_;
    std::unique_ptr<PlotWindows> plots_;
};

}  // namespace quorvix
