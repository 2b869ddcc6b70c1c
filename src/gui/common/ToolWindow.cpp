#include "gui/common/ToolWindow.h"

#include "gui/common/CloseKeys.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <utility>

namespace quorvix {

ToolWindow::ToolWindow(std::function<void(bool)> visibilityChanged, QWidget* parent)
    : QDialog(parent), visibilityChanged_(std::move(visibilityChanged)) {
    AddCloseKey(*this);
}

void ToolWindow::ShowWindow() {
    show();
    raise();
    activateWindow();
}

void ToolWindow::reject() {
    visibilityChanged_(false);
    hide();
}

void ToolWindow::showEvent(QShowEvent* event) {
    visibilityChanged_(true);
    QDialog::showEvent(event);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    visibilityChanged_(false);
    QDialog::closeEvent(event);
}

}  // namespace quorvix
