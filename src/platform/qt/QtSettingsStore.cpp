#include "platform/qt/QtSettingsStore.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <limits>

namespace quorvix {

namespace {
QString ValueKey(std::string_view key, std::string_view name) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())) + '/' +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}
// True when one of the files is there but is not a regular file.
bool AnyOddFile(const QStringList& paths) {
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (info.exists() && !info.isFile()) return true;
    }
    return false;
}

// The files QSettings reads for the organisation and application: its own
// and the organisation's, in the user's and the system's folders.
QStringList DefaultFiles() {
    QStringList files;
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        files << dir + QStringLiteral("/Daltrane/Quorvix.ini") << dir + QStringLiteral("/Daltrane.ini");
    return files;
}
}  // namespace

QtSettingsStore::QtSettingsStore(const std::string& dataDir) {
    if (dataDir.empty()) {
        if (AnyOddFile(DefaultFiles())) return;
        settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                QStringLiteral("Daltrane"),
                                                QStringLiteral("Quorvix"));
    } else {
        QString dir = QString::fromStdString(dataDir);
        if (!dir.endsWith('/')) dir += '/';
        const QString file = dir + QStringLiteral("Quorvix.ini");
        if (AnyOddFile({file})) return;
        settings_ = std::make_unique<QSettings>(file, QSettings::IniFormat);
    }
}

QtSettingsStore::~QtSettingsStore() {
    if (settings_) settings_->sync();
}

std::optional<std::int32_t> QtSettingsStore::ReadInt(std::string_view key,
                                                     std::string_view name) const {
    if (!settings_) return std::nullopt;
    const QVariant value = settings_->value(ValueKey(key, name));
    if (!value.isValid()) return std::nullopt;
    // Decimal as written, or hexadecimal with 0x for hand-edited colours; a
    // leading zero does not switch to octal.
    QString text = value.toString().trimmed();
    int base = 10;
    if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        text = text.mid(2);
        base = 16;
    }
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok, base);
    if (!ok) return std::nullopt;
    // A 32-bit registry number may be written signed or unsigned.
    if (number < std::numeric_limits<std::int32_t>::min() ||
        number > static_cast<qlonglong>(std::numeric_limits<std::uint32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
}

std::optional<std::string> QtSettingsStore::ReadString(std::string_view key,
                                                       std::string_view name) const {
    if (!settings_) return std::nullopt;
    const QVariant value = settings_->value(ValueKey(key, name));
    if (!value.isValid()) return std::nullopt;
    // An unquoted INI value with commas is read back as a list; join it again.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    return value.toString().toStdString();
}

void QtSettingsStore::WriteInt(std::string_view key, std::string_view name,
                               std::int32_t value) {
    if (settings_) settings_->setValue(ValueKey(key, name), static_cast<int>(value));
}

void QtSettingsStore::WriteString(std::string_view key, std::string_view name,
                                  std::string_view value) {
    if (!settings_) return;
    settings_->setValue(ValueKey(key, name),
                        QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

void QtSettingsStore::Remove(std::string_view key, std::string_view name) {
    if (settings_) settings_->remove(ValueKey(key, name));
}

void QtSettingsStore::Flush() {
    if (settings_) settings_->sync();
}

std::string QtSettingsStore::FileName() const {
    return settings_ ? settings_->fileName().toStdString() : std::string();
}

}  // namespace quorvix
