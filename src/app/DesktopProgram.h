#pragma once
// The application object of the desktop calculator: it owns the logic (the
// settings, the calculator, the keypad, the worksheet, the frame commands)
// and the window over it, and runs the start and the exit sequence.
//
// Start: settings, user definition files and the worksheet are read; the
// window is built, placed and shown unless the program starts hidden; the
// worksheet text goes into the display. Exit (EXIT typed, Options "&Exit",
// or the window closed when no tray keeps it): the settings, the changed
// user definition files and the worksheet are written, then the event loop
// ends with code 0.

#include <QDateTime>
#include <QObject>
#include <memory>
#include <string>

#include "calculator/Settings.h"
#include "calculator/Worksheet.h"

namespace quorvix {

class CalculatorDialog;
class CalculatorFrame;
class CalculatorWindow;
class DisplayEdit;
class FileDialogs;
class HelpViewer;
class Keypad;
class Locations;
class Prompter;
class RunAtLogon;
class SettingsStore;
class Shell;
class TipRotation;
class WorksheetDocument;
class WorksheetEvaluatorVariables;
class EvaluatingKeypadHost;

// What the host provides; the real ones in the program, in-memory ones in
// tests. All outlive the application object.
struct AppServices {
    Prompter& prompter;
    FileDialogs& fileDialogs;
    HelpViewer& help;
    Shell& shell;
    SettingsStore& store;
    const Locations& locations;
    RunAtLogon* runAtLogon = nullptr;
};

class CalculatorApp : public QObject {
    Q_OBJECT
public:
    explicit CalculatorApp(AppServices services, QObject* parent = nullptr);
    ~CalculatorApp() override;

    // Shows the window, active with the focus in the display, unless the
    // program starts hidden.
    void Start(bool startHidden);
    // The exit sequence; ends the event loop with code 0. Writes once.
    void Exit();
    // Exit in two steps, so that the tray can report failed writes before
    // the event loop ends: SaveForExit writes every file (once), then Exit
    // ends the loop.
    void SaveForExit();
    bool exited() const { return exited_; }
    // Why the exit did not write the worksheet (naming the file), or empty.
    std::string worksheetExitError() const;

    CalculatorWindow& window() { return *window_; }
    DisplayEdit& display() { return *display_; }
    CalculatorDialog& calculator() { return *calculator_; }
    Settings& settings() { return settings_; }
    // The help-line message about the worksheet read at start; empty when
    // it was read completely or did not exist.
    const std::string& worksheetNotice() const { return worksheetNotice_; }

private:
    void LoadState();
    // False when the worksheet file could not be read completely at start
    // and is still that file: writing over it would lose what it holds.
    bool MayWriteWorksheetAtExit() const;

    AppServices services_;
    Settings settings_;
    DisplayEdit* display_ = nullptr;  // a child of the window
    std::unique_ptr<CalculatorDialog> calculator_;
    std::unique_ptr<Keypad> keypad_;
    std::unique_ptr<TipRotation> tips_;
    std::unique_ptr<EvaluatingKeypadHost> keypadHost_;
    std::unique_ptr<WorksheetEvaluatorVariables> variables_;
    std::unique_ptr<WorksheetDocument> worksheet_;
    std::unique_ptr<CalculatorWindow> window_;
    std::unique_ptr<CalculatorFrame> frame_;
    std::string worksheetNotice_;
    // The worksheet file as found at start when it could not be read whole.
    std::string protectedWorksheet_;
    QDateTime protectedModified_;
    bool exited_ = false;
};

// The help-line message for a worksheet read at start, or empty. Short, so
// that it fits the help line; the file is never written over at exit.
std::string WorksheetReadNotice(WorksheetReadResult result, bool fileExists);

}  // namespace quorvix
