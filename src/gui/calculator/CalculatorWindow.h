#pragma once
// The calculator window: the worksheet display, the one-line help line
// under it (read-only; its tooltip repeats its text) and the keypad, with
// the menu bar "&Options", "&Commands", "&Functions", "&Help" built from the
// frame logic each time a menu opens. Every menu entry reaches the frame
// logic by its command id (QAction::data()); what the logic asks of the
// real window comes back through FrameHost.
//
// With the keypad the window has a fixed size (no sizing, no maximising);
// without it the display stretches with the window and the size is kept in
// the settings. A long evaluation keeps the window drawing (LongEvaluation).

#include <QMainWindow>
#include <functional>
#include <memory>

#include "calculator/CalculatorFrame.h"
#include "calculator/KeypadHost.h"

class QLineEdit;
class QMenu;

namespace quorvix {

class CalculatorDialog;
class DisplayEdit;
class Keypad;
class KeypadDialogHost;
class KeypadPanel;
class LongEvaluation;
class ToolWindows;
struct Settings;

class CalculatorWindow : public QMainWindow, public FrameHost {
    Q_OBJECT
public:
    // The logic the window shows; owned by the application object.
    struct Logic {
        Settings& settings;
        CalculatorDialog& calculator;
        Keypad& keypad;
        KeypadDialogHost& keypadHost;
        Prompter& prompter;
        HelpViewer& help;
        Shell& shell;
        const Locations& locations;
    };

    // Takes the display (created before the calculator that types into it)
    // as a child.
    CalculatorWindow(Logic logic, DisplayEdit* display, QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    // Connects the frame commands, then lays out, formats and places the
    // window for the settings (it is not shown yet).
    void Attach(CalculatorFrame& frame);

    // Copies the logic into the widgets: indicators, keys, Inv/Hyp.
    void refresh();
    // Runs a menu, key-menu or window command by id, then refresh().
    void RunCommand(int id);
    // Runs an evaluation (Enter, EXE, a variables listing) so that the window
    // stays responsive and Escape cancels it.
    void RunEvaluation(const std::function<void()>& evaluate);
    // Display font and colours from the settings.
    void ApplyDisplayFormat();

    // The Constants, Conversions or Functions menu as it would open from the
    // const, conv or func key; the caller owns it.
    QMenu* BuildCatalogueMenu(CatalogueMenuKind kind);

    DisplayEdit* display() const { return display_; }
    KeypadPanel* keypadPanel() const { return keypadPanel_; }
    QLineEdit* helpLine() const { return helpLine_; }
    LongEvaluation& evaluation() const { return *evaluation_; }
    ToolWindows& tools() const { return *tools_; }

    // --- FrameHost -------------------------------------------------------------
    void SetOwnerTopmost(bool on) override;
    void SetKeypadVisible(bool shown) override;
    void SetTooltipsEnabled(bool on) override;
    void ShowDisplayOptions() override;
    void ShowUnitConverter(double value) override;
    void ShowFinanceBox() override;
    void ShowAbout() override;
    void ShowPlot() override;
    std::optional<int> AskNumberBase() override;
    void EditCustomKeys(std::array<std::string, kCustomKeyCount>& captions) override;
    void EditUserDefinitions(int editCommand) override;

signals:
    // The close box was used (the application decides what that means).
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildUi();
    void buildMenuBar();
    void ShowHelpLine(const std::string& text);
    void OpenCatalogueMenu(CatalogueMenuKind kind);
    void PlaceOnScreen();

    Logic logic_;
    CalculatorFrame* frame_ = nullptr;
    DisplayEdit* display_ = nullptr;
    QLineEdit* helpLine_ = nullptr;
    KeypadPanel* keypadPanel_ = nullptr;
    LongEvaluation* evaluation_ = nullptr;
    std::unique_ptr<ToolWindows> tools_;
    bool tooltipsOn_ = true;
    bool keypadShown_ = true;
};

}  // namespace quorvix
