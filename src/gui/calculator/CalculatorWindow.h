#pragma once
// The calculator window: the worksheet display, the one-line help line
// under it (read-only; its tooltip repeats its text) and the keypad, with
// the menu bar "&Options", "&Commands", "&Functions", "&Help" built from the
// frame logic each time a menu opens, and the display's context menu built
// the same way. Every entry of either menu reaches the frame logic by its
// command id (QAction::data()) through RunCommand; what the logic asks of
// the real windows goes to the frame host (ToolWindows).
//
// With the keypad the window has a fixed size (no sizing, no maximising);
// without it the display stretches with the window and the size is kept in
// the settings. A long evaluation keeps the window drawing (LongEvaluation).

#include <QMainWindow>
#include <QString>
#include <functional>
#include <string>

#include "calculator/CalculatorFrame.h"
#include "calculator/KeypadDialogHost.h"

class QLineEdit;
class QMenu;
class QToolButton;

namespace quorvix {

class CalculatorDialog;
class DisplayEdit;
class DisplayHighlighter;
class NoticeBar;
class Keypad;
class KeypadDialogHost;
class KeypadPanel;
class LongEvaluation;
class SearchDialog;
struct Settings;

class CalculatorWindow : public QMainWindow, public CatalogueMenuOpener {
    Q_OBJECT
public:
    // The logic the window shows; owned by the desktop program.
    struct Logic {
        Settings& settings;
        CalculatorDialog& calculator;
        Keypad& keypad;
        KeypadDialogHost& keypadHost;
    };

    // Takes the display (created before the calculator that types into it)
    // as a child.
    CalculatorWindow(Logic logic, DisplayEdit* display, QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    // Connects the frame commands, then lays out and formats the window for
    // the settings (it is not shown yet).
    void Attach(CalculatorFrame& frame);

    // Copies the logic into the widgets: indicators, keys, Inv/Hyp.
    void refresh();
    // The one door for the window's commands (menu bar, display context
    // menu, catalogue menus, F1, and the desktop program's route): runs the
    // command by id, then refresh().
    void RunCommand(int id);
    // Runs an evaluation (Enter, EXE, a command) so that the window stays
    // responsive and Escape cancels it; a nested call runs at once.
    void RunEvaluation(const std::function<void()>& evaluate);
    // The help line's text (and its tooltip).
    void ShowHelpLine(const std::string& text);
    // The help line's whole message (the line itself may show it elided).
    const QString& helpLineText() const { return helpText_; }
    // A notice that stays above the display until the user closes it.
    void ShowNotice(const std::string& text);
    // Display font, colours and highlighting from the settings.
    void ApplyDisplayFormat();
    // The whole look from the settings: the windows' palette for the colour
    // scheme, the keys' fonts and captions, then the display format.
    void ApplyAppearance();
    DisplayHighlighter& highlighter() const { return *highlighter_; }

    // The Constants, Conversions or Functions menu as it would open from the
    // const, conv or func key; the caller owns it.
    QMenu* BuildCatalogueMenu(CatalogueMenuKind kind);
    void OpenCatalogueMenu(CatalogueMenuKind kind) override;
    // The display's context menu as it would open now; the caller owns it.
    QMenu* BuildDisplayContextMenu();

    DisplayEdit* display() const { return display_; }
    KeypadPanel* keypadPanel() const { return keypadPanel_; }
    QLineEdit* helpLine() const { return helpLine_; }
    NoticeBar* noticeBar() const { return noticeBar_; }
    LongEvaluation& evaluation() const { return *evaluation_; }

    // What the frame host asks of this window.
    void SetTopmost(bool on);
    void SetKeypadVisible(bool shown);
    void SetTooltipsEnabled(bool on);
    // The search over every function, constant and conversion (Ctrl+K).
    void ShowCatalogueSearch();
    SearchDialog* searchDialog() const { return search_; }

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Clicks on the keypad's indicators step the base or the angle unit; the
    // help line fits its message to its new width; the menus' Ctrl keys run
    // their entries even where the display has a binding of its own.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The next number base (kBaseIndicatorId) or angle unit (kAngleIndicatorId).
    void StepIndicator(int indicatorId);
    // Shows helpText_ in the help line's width.
    void FitHelpLine();
    void buildUi();
    // The names the highlighter reads lines with, as they are now.
    void UpdateHighlightNames();
    void buildMenuBar();
    // Runs id after the menu that chose it has closed.
    void RunCommandLater(int id);

    Logic logic_;
    CalculatorFrame* frame_ = nullptr;
    DisplayEdit* display_ = nullptr;
    QLineEdit* helpLine_ = nullptr;
    // The indicators beside the help line while the keypad is hidden.
    QToolButton* baseButton_ = nullptr;
    QToolButton* angleButton_ = nullptr;
    NoticeBar* noticeBar_ = nullptr;
    KeypadPanel* keypadPanel_ = nullptr;
    LongEvaluation* evaluation_ = nullptr;
    DisplayHighlighter* highlighter_ = nullptr;
    SearchDialog* search_ = nullptr;  // made at its first use
    QString helpText_;
    bool tooltipsOn_ = true;
    bool keypadShown_ = true;
    // The display-only size last given to the window from the settings.
    QSize placedSize_;
};

}  // namespace quorvix
