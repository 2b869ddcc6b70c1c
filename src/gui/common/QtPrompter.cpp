#include "gui/common/QtPrompter.h"

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

void QtPrompter::ShowMessage(const std::string& caption, const std::string& text,
                             PromptIcon icon) {
    QMessageBox box(ToQtIcon(icon), ToQString(caption), ToQString(text), QMessageBox::Ok,
                    parent_.data());
    box.exec();
}

bool QtPrompter::AskYesNo(const std::string& caption, const std::string& text,
                          PromptIcon icon) {
    QMessageBox box(ToQtIcon(icon), ToQString(caption), ToQString(text),
                    QMessageBox::Yes | QMessageBox::No, parent_.data());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace quorvix
