#pragma once
// The program's icon in the notification area: its tip, a left click that
// asks for the default entry, and the right-click menu built from the tray
// menu model (its default entry in bold). Every choice leaves as a command
// id (commandChosen); the desktop program runs it through its one route.
//
// Where the desktop has no notification area yet, the icon waits up to
// trayWaitMs for one (polling every kTrayPollMs) and says when none came.

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

class QMenu;
class QSystemTrayIcon;

namespace quorvix {

inline constexpr int kTrayWaitMs = 30000;
inline constexpr int kTrayPollMs = 500;
inline constexpr int kTrayMessageDelayMs = 1000;

class TrayIcon : public QObject {
    Q_OBJECT
public:
    // trayAvailable: whether the desktop offers a notification area (the
    // real check when empty).
    TrayIcon(std::function<bool()> trayAvailable, int trayWaitMs, QObject* parent = nullptr);
    ~TrayIcon() override;

    // Shows the icon, or starts waiting for a tray.
    void Start();
    // Takes the icon away and stops waiting (at exit).
    void Hide();
    bool trayAvailable() const { return trayAvailable_(); }
    bool iconShown() const;
    // A message from the icon (a balloon, or the desktop's notification),
    // once the icon has had a moment to take its place in the tray.
    void ShowMessage(const std::string& title, const std::string& text);
    QSystemTrayIcon& icon() const { return *icon_; }
    QMenu& menu() const { return *menu_; }

signals:
    // A menu entry (after the menu has closed) or a click on the icon.
    void commandChosen(int id);
    // The wait for a tray ended without one.
    void noTrayCame();

private:
    void RebuildMenu();
    void PollForTray();

    std::function<bool()> trayAvailable_;
    int trayWaitMs_;
    QSystemTrayIcon* icon_ = nullptr;
    QMenu* menu_ = nullptr;
    QTimer trayPoll_;
    int trayWaitedMs_ = 0;
};

}  // namespace quorvix
