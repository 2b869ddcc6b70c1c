#include "gui/common/QtFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "gui/common/QtText.h"

namespace quorvix {

QString ToQtFileFilter(const std::string& filter) {
    // Descriptions and patterns alternate; the descriptions already name
    // their patterns, so only they are kept.
    const QStringList parts = ToQString(filter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList descriptions;
    for (qsizetype i = 0; i < parts.size(); i += 2) descriptions.append(parts[i]);
    return descriptions.join(QStringLiteral(";;"));
}

std::optional<std::string> QtFileDialogs::AskSavePath(const FileDialogRequest& request) {
    return Ask(request, true);
}

std::optional<std::string> QtFileDialogs::AskOpenPath(const FileDialogRequest& request) {
    return Ask(request, false);
}

std::optional<std::string> QtFileDialogs::Ask(const FileDialogRequest& request, bool save) {
    const QString initial = ToQString(request.initialPath);
    QFileDialog dialog(parent_.data());
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(ToQtFileFilter(request.filter));
    dialog.setDefaultSuffix(ToQString(request.defaultExtension));
    if (!request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!initial.isEmpty()) {
        const QFileInfo info(initial);
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::string(dialog.selectedFiles().constFirst().toLocal8Bit().constData());
}

}  // namespace quorvix
