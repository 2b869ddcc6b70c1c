#include "platform/qt/QtLocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace quorvix {

QtLocations::QtLocations(std::string dataDir, bool createDirectory)
    : dataDir_(std::move(dataDir)), createDirectory_(createDirectory) {}

std::string QtLocations::ProgramDirectory() const {
    QString dir;
    if (!dataDir_.empty()) {
        dir = QString::fromStdString(dataDir_);
    } else {
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
              QStringLiteral("/Daltrane/Quorvix");
    }
    if (createDirectory_) QDir().mkpath(dir);
    while (dir.size() > 1 && dir.endsWith('/')) dir.chop(1);
    return dir.toStdString();
}

std::string QtLocations::ProgramPath() const {
    if (QCoreApplication::instance() != nullptr) {
        const QString path = QCoreApplication::applicationFilePath();
        if (!path.isEmpty()) return path.toStdString();
    }
    return "quorvix";
}

}  // namespace quorvix
