#include "gui/tray/TrayIcon.h"

#include <QAction>
#include <QFont>
#include <QMenu>
#include <QSystemTrayIcon>
#include <algorithm>

#include "gui/calculator/QtMenus.h"
#include "gui/common/QtText.h"
#include "gui/help/AppIcon.h"
#include "shell/TrayMenu.h"

namespace quorvix {

TrayIcon::TrayIcon(std::function<bool()> trayAvailable, int trayWaitMs, QObject* parent)
    : QObject(parent), trayAvailable_(std::move(trayAvailable)), trayWaitMs_(trayWaitMs) {
    if (!trayAvailable_) trayAvailable_ = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };

    menu_ = new QMenu();
    menu_->setObjectName(QStringLiteral("trayMenu"));
    RebuildMenu();
    connect(menu_, &QMenu::aboutToShow, this, [this] { RebuildMenu(); });
    connect(menu_, &QMenu::triggered, this, [this](QAction* action) {
        const int id = CommandOf(action);
        // Runs after the menu has closed (the About box is modal).
        QMetaObject::invokeMethod(this, [this, id] { emit commandChosen(id); },
                                  Qt::QueuedConnection);
    });

    icon_ = new QSystemTrayIcon(MakeAppIcon(), this);
    icon_->setObjectName(QStringLiteral("trayIcon"));
    icon_->setToolTip(ToQString(TrayTipText()));
    icon_->setContextMenu(menu_);
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger ||
                    reason == QSystemTrayIcon::DoubleClick)
                    emit commandChosen(kTrayDefaultCommand);
            });

    trayPoll_.setInterval(std::min(kTrayPollMs, std::max(trayWaitMs_, 1)));
    connect(&trayPoll_, &QTimer::timeout, this, [this] { PollForTray(); });
}

TrayIcon::~TrayIcon() {
    icon_->hide();
    delete menu_;
}

void TrayIcon::Start() {
    if (trayAvailable_()) icon_->show();
    else trayPoll_.start();
}

void TrayIcon::Hide() {
    trayPoll_.stop();
    icon_->hide();
}

bool TrayIcon::iconShown() const { return icon_->isVisible(); }

void TrayIcon::ShowMessage(const std::string& title, const std::string& text) {
    QTimer::singleShot(kTrayMessageDelayMs, this,
                       [this, title = ToQString(title), text = ToQString(text)] {
                           if (iconShown())
                               icon_->showMessage(title, text, QSystemTrayIcon::Information, 15000);
                       });
}

void TrayIcon::PollForTray() {
    trayWaitedMs_ += trayPoll_.interval();
    if (trayAvailable_()) {
        trayPoll_.stop();
        icon_->show();
        return;
    }
    if (trayWaitedMs_ < trayWaitMs_) return;
    trayPoll_.stop();
    emit noTrayCame();
}

void TrayIcon::RebuildMenu() {
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

}  // namespace quorvix
