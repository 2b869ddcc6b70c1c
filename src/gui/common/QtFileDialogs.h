#pragma once
// Open and save dialogs as Qt file dialogs.

#include <QPointer>
#include <QWidget>

#include "platform/FileDialogs.h"

namespace quorvix {

// "Text (*.txt)|*.txt|All Files (*.*)|*.*||" as Qt's "Text (*.txt);;All Files (*.*)".
QString ToQtFileFilter(const std::string& filter);

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> AskSavePath(const FileDialogRequest& request) override;
    std::optional<std::string> AskOpenPath(const FileDialogRequest& request) override;

private:
    std::optional<std::string> Ask(const FileDialogRequest& request, bool save);

    QPointer<QWidget> parent_;
};

}  // namespace quorvix
