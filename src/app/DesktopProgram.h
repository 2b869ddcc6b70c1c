#pragma once
// The desktop program's composition root. It owns the logic (the settings,
// the calculator, the keypad, the worksheet, the frame commands, the Finance
// box and the unit converter), the windows over it (the calculator window,
// the frame host with the tool windows, the tray icon), and runs the start
// and the one exit decision (RequestExit). The services are the host's:
// the real ones in the program (RunDesktopProgram), in-memory ones in tests.
//
// Start: settings, user definition files and the worksheet are read; the
// windows are built and placed; the calculator is shown unless the program
// starts hidden with a tray to come back from.
//
// Commands: every command id, from the tray, the window's menus or keys,
// goes through RunCommand; the tray's own commands are run here, the rest
// by the calculator window's one door (under the long-evaluation runner).
//
// Exit (EXIT typed, Options "&Exit", the tray's "Exit Quorvix", the close
// box without a tray, a signal, the session's end): see RequestExit.

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calculator/CalculatorDialog.h"
#include "calculator/Settings.h"
#include "calculator/Worksheet.h"
#include "gui/tray/TrayIcon.h"

namespace quorvix {

class CalculatorFrame;
class CalculatorWindow;
class DisplayEdit;
class FileDialogs;
class FinanceBox;
class HelpViewer;
class Keypad;
class KeypadDialogHost;
class Locations;
class Prompter;
class QtAprCalculationHost;
class RunAtLogon;
class SettingsStore;
class Shell;
class TipRotation;
class ToolWindows;
class UnitConverter;
class WorksheetDocument;
class WorksheetEvaluatorVariables;

// What the host provides. All outlive the program object.
struct DesktopServices {
    Prompter& prompter;
    FileDialogs& fileDialogs;
    HelpViewer& help;
    Shell& shell;
    SettingsStore& store;
    const Locations& locations;
    RunAtLogon* runAtLogon = nullptr;
    // Files the exit writes that are checked one by one (the worksheet and
    // the user definition files report their own failures); an interactive
    // exit names every file it could not write.
    std::function<std::vector<std::string>()> exitFiles;
    // Whether the desktop offers a notification area (the real check when
    // empty), and how long a start without one waits for it.
    std::function<bool()> trayAvailable;
    int trayWaitMs = kTrayWaitMs;
};

class DesktopProgram : public QObject, private CalculatorDialogHost {
    Q_OBJECT
public:
    // Who asked for the exit. Interactive: the user, who is told which files
    // could not be written. Session: a signal or the session's end, where
    // nobody may be there to answer a box.
    enum class ExitKind { Interactive, Session };

    explicit DesktopProgram(DesktopServices services, QObject* parent = nullptr);
    ~DesktopProgram() override;

    // Adds the tray icon (or waits for a tray) and shows the calculator,
    // active with the focus in the display, unless startHidden. The first
    // start says that the program now runs at log-on (see SayFirstStart).
    void Start(bool startHidden);
    // The one route of every command id.
    void RunCommand(int id);
    // Brings the calculator up: topmost as Always On Top says, raised, active.
    void ShowCalculator();
    // The global shortcut: hides the calculator when it is the active
    // window, else shows it.
    void ToggleCalculator();

    // The exit decision. A line still evaluating is cancelled first and the
    // exit follows as soon as it has stopped. Then every file is written
    // (once), an interactive exit names the files it could not write, and
    // the event loop ends with code 0. A session exit first closes every
    // modal box, the exit's own message included, so nothing waits for a
    // click that may never come.
    void RequestExit(ExitKind kind);
    bool exited() const { return exited_; }

    CalculatorWindow& window() { return *window_; }
    DisplayEdit& display() { return *display_; }
    CalculatorDialog& calculator() { return *calculator_; }
    Settings& settings() { return settings_; }
    TrayIcon& tray() { return *tray_; }
    // The help-line message about the worksheet read at start; empty when
    // it was read completely or did not exist.
    const std::string& worksheetNotice() const { return worksheetNotice_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // --- CalculatorDialogHost ------------------------------------------------
    void HelpTextChanged(const std::string& text) override;
    void ExitRequested() override;

    void BuildLogic();
    void BuildWindows();
    void LoadState();
    void RunTrayCommand(int id);
    // On the first start only: Run At Startup, on by default, is said with
    // how to turn it off, from the tray icon or on the help line.
    void SayFirstStart();
    // A worksheet file that the exit does not write (damaged or unreadable
    // at start or Load, or held by a quorvix-cli --worksheet run): when the
    // display has changed, offers to save it under another name first.
    void OfferToSaveKeptWorksheet();
    // Writes every file (once).
    void SaveForExit();
    void ReportUnwritableFiles();

    DesktopServices services_;
    Settings settings_;
    // The display is created before the calculator that types into it and
    // becomes a child of the window; the window goes last (see the destructor).
    DisplayEdit* display_ = nullptr;
    std::unique_ptr<CalculatorDialog> calculator_;
    std::unique_ptr<Keypad> keypad_;
    std::unique_ptr<TipRotation> tips_;
    std::unique_ptr<KeypadDialogHost> keypadHost_;
    std::unique_ptr<WorksheetEvaluatorVariables> variables_;
    std::unique_ptr<WorksheetDocument> worksheet_;
    std::unique_ptr<QtAprCalculationHost> aprHost_;
    std::unique_ptr<FinanceBox> financeBox_;
    std::unique_ptr<UnitConverter> unitConverter_;
    std::unique_ptr<CalculatorWindow> window_;
    std::unique_ptr<ToolWindows> tools_;
    std::unique_ptr<CalculatorFrame> frame_;
    std::unique_ptr<TrayIcon> tray_;

    std::string worksheetNotice_;
    // The user definition files the exit could not write ("<file>: <reason>").
    std::vector<std::string> userDefinitionErrors_;
    // An exit asked for while a line evaluates, run when it has stopped.
    std::optional<ExitKind> pendingExit_;
    bool exited_ = false;
};

}  // namespace quorvix
