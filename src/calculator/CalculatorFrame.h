#pragma once
// The calculator window's frame as logic: the menu bar with its marks, the
// Options, Commands, Functions and Help commands, the indicators and the
// display-only resizing. What needs the real window (topmost, showing tool
// windows and dialogs, showing or hiding the keypad) goes to a FrameHost.
//
// Typical use by the window:
//   CalculatorFrame frame(settings, calculator, keypad, keypadHost, worksheet,
//                         {prompter, fileDialogs, help, shell, runAtLogon, locations}, *this);
//   frame.ApplySettings();            // at start-up
//   menuBar = frame.MenuBar();        // on every aboutToShow
//   if (frame.IsFrameCommand(id)) frame.RunCommand(id); refresh();

#include <array>
#include <optional>
#include <string>

#include "platform/CommandIds.h"
#include "calculator/FrameLayout.h"
#include "calculator/Settings.h"
#include "platform/MenuModel.h"

namespace quorvix {

class CalculatorDialog;
class FileDialogs;
class HelpViewer;
class Keypad;
class KeypadHost;
class Locations;
class Prompter;
class RunAtLogon;
class Shell;
class WorksheetDocument;

// What the frame's commands ask of the real window. Every operation is
// required, so a host that forgets one does not compile.
class FrameHost {
public:
    virtual ~FrameHost() = default;
    // The tray window (this window's owner) above all other windows, or not.
    virtual void SetOwnerTopmost(bool on) = 0;
    // Full size with the keypad, or display-only (sizes from FrameLayout).
    virtual void SetKeypadVisible(bool shown) = 0;
    virtual void SetTooltipsEnabled(bool on) = 0;
    // The Display and Keypad Options dialog (the view applies the fonts and
    // colours when it closes).
    virtual void ShowDisplayOptions() = 0;
    // Copies value into the converter's value field and shows it on top.
    virtual void ShowUnitConverter(double value) = 0;
    virtual void ShowFinanceBox() = 0;
    virtual void ShowAbout() = 0;
    // A new plot window for the line under the caret.
    virtual void ShowPlot() = 0;
    // The "Change Number Base" dialog: the accepted base (2..36, checked
    // with NumberBaseField), nothing after Cancel.
    virtual std::optional<int> AskNumberBase() = 0;
    // The "Custom Keys" dialog, editing the captions in place.
    virtual void EditCustomKeys(std::array<std::string, kCustomKeyCount>& captions) = 0;
    // A user-definition dialog (kEditUserConstantsCommand .. kEditUserFunctionsCommand).
    virtual void EditUserDefinitions(int editCommand) = 0;
    // The display font steps points larger (negative: smaller), or back to
    // its initial size for 0; the new size is kept in the settings.
    virtual void ZoomDisplay(int steps) = 0;
    // The search over every function, constant and conversion.
    virtual void ShowCatalogueSearch() = 0;
};

struct FrameServices {
    Prompter& prompter;
    FileDialogs& fileDialogs;
    HelpViewer& help;
    Shell& shell;
    RunAtLogon* runAtLogon = nullptr;
    const Locations* locations = nullptr;
};

class CalculatorFrame {
public:
    CalculatorFrame(Settings& settings, CalculatorDialog& calculator, Keypad& keypad,
                    KeypadHost& keypadHost, WorksheetDocument& worksheet,
                    FrameServices services, FrameHost& host);

    // At start-up, after the settings are read: copies them into the
    // calculator, applies the keypad layout and the indicators.
    void ApplySettings();

    // The menu bar with the current marks and the user-defined entries.
    MenuItems MenuBar() const;

    // True for every id RunCommand carries out: the menu commands (the tray
    // icon's own commands are accepted and ignored here), the display's
    // clipboard and undo entries, the catalogue and user-defined entries and
    // the user-definition dialogs.
    bool IsFrameCommand(int id) const;
    // Carries out a command; false (and nothing done) for other ids.
    bool RunCommand(int id);

    // F1 in the window: the help at the name under the caret (or the last
    // offered one), or the help's search when there is none. Help >
    // "&Search..." (RunCommand) opens the search with that name as its query.
    void KeywordHelp();

    // Sets the base indicator and angle indicator texts, copies base and
    // angle unit into the calculator and sets the exponent key.
    void UpdateIndicators();
    const std::string& baseIndicator() const { return baseIndicator_; }
    const std::string& angleIndicator() const { return angleIndicator_; }

    // The window was resized while the keypad is hidden: the new display and
    // help-line rectangles; the restored window size becomes Width/Height.
    // Nothing while the keypad shows.
    std::optional<DisplayOnlyLayout> DisplayOnlyResized(Size client, Size restoredWindow,
                                                        const FrameMetrics& metrics);

    const Settings& settings() const { return settings_; }

private:
    bool RunOptionsCommand(int id);
    bool RunNumberCommand(int id);
    bool RunWindowCommand(int id);
    bool RunWorksheetCommand(int id);
    // After Save, Save As or Load: why the worksheet was not written, or
    // that another run holds it, in the help line.
    void ShowWorksheetProblem();
    bool RunHelpCommand(int id);
    bool RunInsertingCommand(int id);
    void SetNumberBase(int base);
    void SetKeypadLayout(int mode);

    Settings& settings_;
    CalculatorDialog& calculator_;
    Keypad& keypad_;
    KeypadHost& keypadHost_;
    WorksheetDocument& worksheet_;
    FrameServices services_;
    FrameHost& host_;
    std::string baseIndicator_;
    std::string angleIndicator_;
};

}  // namespace quorvix
