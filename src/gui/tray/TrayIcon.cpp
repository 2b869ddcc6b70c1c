#include "gui/tray/TrayWindow.h"

#include <QAction>
#include <QEvent>
#include <QFont>
#include <QMenu>
#include <QSystemTrayIcon>
#include <algorithm>

#include "calculator/CalculatorDialog.h"
#include "calculator/MakerAddresses.h"
#include "gui/calculator/CalculatorApp.h"
#include "gui/calculator/CalculatorWindow.h"
#include "gui/calculator/QtMenus.h"
#include "gui/common/QtText.h"
#include "gui/help/AboutBox.h"
#include "gui/help/AppIcon.h"
#include "gui/tray/ExitWriteCheck.h"
#include "platform/Prompter.h"
#include "shell/TrayMenu.h"

namespace quorvix {

TrayWindow::TrayWindow(CalculatorApp& app, Services services, QObject* parent)
    : QObject(parent), app_(app), services_(std::move(services)) {
    if (!services_.trayAvailable)
        services_.trayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };

    menu_ = new QMenu();
    menu_->setObjectName(QStringLiteral("trayMenu"));
    RebuildMenu();
    connect(menu_, &QMenu::aboutToShow, this, [this] { RebuildMenu(); });
    connect(menu_, &QMenu::triggered, this, [this](QAction* action) {
        const int id = CommandOf(action);
        // Runs after the menu has closed (the About box is modal).
        QMetaObject::invokeMethod(this, [this, id] { RunCommand(id); }, Qt::QueuedConnection);
    });

    icon_ = new QSystemTrayIcon(MakeAppIcon(), this);
    icon_->setObjectName(QStringLiteral("trayIcon"));
    icon_->setToolTip(ToQString(TrayTipText()));
    icon_->setContextMenu(menu_);
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger ||
                    reason == QSystemTrayIcon::DoubleClick)
                    RunCommand(kTrayDefaultCommand);
            });

    trayPoll_.setInterval(std::min(kTrayPollMs, std::max(services_.trayWaitMs, 1)));
    connect(&trayPoll_, &QTimer::timeout, this, [this] { PollForTray(); });

    // EXIT typed and Options "&Exit" come here, as do the close box and
    // minimise of the calculator window.
    app_.calculator().onExitRequest = [this] {
        QMetaObject::invokeMethod(this, [this] { RequestExit(true); }, Qt::QueuedConnection);
    };
    app_.window().installEventFilter(this);
}

TrayWindow::~TrayWindow() {
    app_.window().removeEventFilter(this);
    app_.calculator().onExitRequest = nullptr;
    icon_->hide();
    delete menu_;
}

void TrayWindow::Start(bool startHidden) {
    const bool tray = services_.trayAvailable();
    if (tray) icon_->show();
    else trayPoll_.start();
    // A hidden start without a tray waits for one (see PollForTray).
    app_.Start(startHidden);
}

bool TrayWindow::iconShown() const { return icon_->isVisible(); }

void TrayWindow::PollForTray() {
    trayWaitedMs_ += trayPoll_.interval();
    if (services_.trayAvailable()) {
        trayPoll_.stop();
        icon_->show();
        return;
    }
    if (trayWaitedMs_ < services_.trayWaitMs) return;
    // No tray came: the window is the only way back to the program.
    trayPoll_.stop();
    if (!app_.window().isVisible() && !app_.exited()) ShowCalculator();
}

void TrayWindow::RebuildMenu() {
    const MenuItems items = BuildTrayMenu();
    FillMenu(*menu_, items);
    int defaultCommand = 0;
    for (const MenuItem& item : items)
        if (item.isDefault) defaultCommand = item.command;
    for (QAction* action : menu_->actions()) {
        action->setObjectName(QStringLiteral("trayCommand%1").arg(CommandOf(action)));
        if (defaultCommand == 0 || CommandOf(action) != defaultCommand) continue;
        QFont bold = action->font();
        bold.setBold(true);
        action->setFont(bold);
        menu_->setDefaultAction(action);
    }
}

void TrayWindow::RunCommand(int id) {
    if (app_.exited()) return;
    CalculatorWindow& window = app_.window();
    switch (id) {
        case kCmdTrayShowCalculator:
            ShowCalculator();
            break;
        case kCmdTrayShowFinanceBox:
            window.SetOwnerTopmost(app_.settings().alwaysOnTop);
            window.ShowFinanceBox();
            break;
        case kCmdTrayShowUnitConverter:
            window.SetOwnerTopmost(app_.settings().alwaysOnTop);
            window.ShowUnitConverter(app_.calculator().lastResult());
            break;
        case kCmdTrayAbout:
            ShowAboutBox(nullptr, services_.shell, services_.prompter);
            break;
        case kCmdTrayHomepage:
            OpenMakerHomepage(services_.shell, services_.prompter);
            break;
        case kCmdTrayMailComments:
            OpenMakerMail(services_.shell, services_.prompter);
            break;
        case kCmdTrayExit:
            RequestExit(true);
            break;
        default:
            break;
    }
}

void TrayWindow::ShowCalculator() {
    if (app_.exited()) return;
    CalculatorWindow& window = app_.window();
    window.SetOwnerTopmost(app_.settings().alwaysOnTop);
    if (window.isMinimized()) window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

void TrayWindow::ToggleCalculator() {
    CalculatorWindow& window = app_.window();
    if (window.isVisible() && window.isActiveWindow() && !window.isMinimized()) window.hide();
    else ShowCalculator();
}

void TrayWindow::RequestExit(bool interactive) {
    if (app_.exited()) return;
    trayPoll_.stop();
    // Everything is written first, so the message gives the real reasons;
    // the program exits either way.
    app_.SaveForExit();
    if (interactive) ReportUnwritableFiles();
    app_.Exit();
    icon_->hide();
}

void TrayWindow::ReportUnwritableFiles() {
    std::vector<UnwritableFile> failures;
    if (services_.exitFiles) failures = FindUnwritableFiles(services_.exitFiles());
    if (const std::string error = app_.worksheetExitError(); !error.empty())
        failures.push_back(UnwritableFileFromError(error));
    if (failures.empty()) return;
    services_.prompter.ShowMessage(CalculatorWindowTitle(), UnwritableFilesMessage(failures),
                                   PromptIcon::Exclamation);
}

bool TrayWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &app_.window()) return QObject::eventFilter(watched, event);
    CalculatorWindow& window = app_.window();
    if (event->type() == QEvent::Close) {
        event->ignore();
        if (iconShown()) window.hide();
        else QMetaObject::invokeMethod(this, [this] { RequestExit(true); }, Qt::QueuedConnection);
        return true;
    }
    if (event->type() == QEvent::WindowStateChange && window.isMinimized() && iconShown()) {
        // Minimising puts the program back into the tray.
        QMetaObject::invokeMethod(
            this,
            [this] {
                CalculatorWindow& w = app_.window();
                w.hide();
                w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quorvix
