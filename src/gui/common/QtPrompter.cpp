#include "gui/common/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>

#include "gui/common/QtText.h"

namespace quorvix {
namespace {

QMessageBox::Icon ToQtIcon(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::None: return QMessageBox::NoIcon;
        case PromptIcon::Information: return QMessageBox::Information;
        case PromptIcon::Exclamation:
        case PromptIcon::Warning: return QMessageBox::Warning;
        case PromptIcon::Error: return QMessageBox::Critical;
        case PromptIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QWidget* QtPrompter::Owner() const {
    // The window the user is in asks (a tool window's message belongs to
    // that tool window), so the focus goes back there when the box closes.
    if (QWidget* active = QApplication::activeWindow()) return active;
    return parent_.data();
}

void QtPrompter::ShowMessage(const std::string& caption, const std::string& text,
                             PromptIcon icon) {
    QMessageBox box(ToQtIcon(icon), ToQString(caption), ToQString(text), QMessageBox::Ok,
                    Owner());
    box.exec();
}

bool QtPrompter::AskYesNo(const std::string& caption, const std::string& text,
                          PromptIcon icon) {
    QMessageBox box(ToQtIcon(icon), ToQString(caption), ToQString(text),
                    QMessageBox::Yes | QMessageBox::No, Owner());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace quorvix
