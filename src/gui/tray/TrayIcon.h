#pragma once
// The program's life in the notification area: the tray icon with its tip,
// a left click that shows the calculator, the right-click menu built from
// the tray menu model (its default entry in bold), and the one route by
// which every tray command, the window's close box and minimise, the typed
// EXIT and the Options "&Exit" reach the application.
//
// With a tray, closing or minimising the calculator window hides it. Without
// one the window behaves as an ordinary window (closing it exits); a hidden
// start waits up to kTrayWaitMs for a tray to appear and then shows the
// window, so the program is never stranded out of sight.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

class QMenu;
class QSystemTrayIcon;

namespace quorvix {

class CalculatorApp;
class Prompter;
class Shell;

inline constexpr int kTrayWaitMs = 30000;
inline constexpr int kTrayPollMs = 500;

class TrayWindow : public QObject {
    Q_OBJECT
public:
    struct Services {
        Prompter& prompter;
        Shell& shell;
        // Files the exit sequence writes whose folders are probed (the
        // worksheet reports its own failure); an interactive exit names
        // those it could not write, and why, and exits anyway.
        std::function<std::vector<std::string>()> exitFiles;
        // Whether the desktop offers a notification area (the real check
        // unless a test sets another).
        std::function<bool()> trayAvailable;
        // How long a start without a tray waits for one.
        int trayWaitMs = kTrayWaitMs;
    };

    TrayWindow(CalculatorApp& app, Services services, QObject* parent = nullptr);
    ~TrayWindow() override;

    // Adds the icon (or starts waiting for a tray) and shows the calculator
    // unless startHidden and a tray is there to come back from.
    void Start(bool startHidden);

    // The one route for tray commands (kCmdTray*); other ids do nothing.
    void RunCommand(int id);
    // Brings the calculator up: topmost as Always On Top says, raised and
    // active.
    void ShowCalculator();
    // The global shortcut: hides the calculator when it is the active
    // window, else shows it.
    void ToggleCalculator();
    // The exit sequence. interactive: a message box names the files that
    // could not be written (nothing is asked: the program exits anyway).
    void RequestExit(bool interactive);

    bool iconShown() const;
    QSystemTrayIcon& icon() const { return *icon_; }
    QMenu& menu() const { return *menu_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RebuildMenu();
    void PollForTray();
    void ReportUnwritableFiles();

    CalculatorApp& app_;
    Services services_;
    QSystemTrayIcon* icon_ = nullptr;
    QMenu* menu_ = nullptr;
    QTimer trayPoll_;
    int trayWaitedMs_ = 0;
};

}  // namespace quorvix
