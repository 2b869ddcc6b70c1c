#include "platform/qt/QtSettingsStore.h"

#include <QSettings>
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
}  // namespace

QtSettingsStore::QtSettingsStore(const std::string& dataDir) {
    if (dataDir.empty()) {
        settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                QStringLiteral("Daltrane"),
                                                QStringLiteral("Quorvix"));
    } else {
        QString dir = QString::fromStdString(dataDir);
        if (!dir.endsWith('/')) dir += '/';
        settings_ = std::make_unique<QSettings>(dir + QStringLiteral("Quorvix.ini"),
                                                QSettings::IniFormat);
    }
}

QtSettingsStore::~QtSettingsStore() { settings_->sync(); }

std::optional<std::int32_t> QtSettingsStore::ReadInt(std::string_view key,
                                                     std::string_view name) const {
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
    const QVariant value = settings_->value(ValueKey(key, name));
    if (!value.isValid()) return std::nullopt;
    // An unquoted INI value with commas is read back as a list; join it again.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    return value.toString().toStdString();
}

void QtSettingsStore::WriteInt(std::string_view key, std::string_view name,
                               std::int32_t value) {
    settings_->setValue(ValueKey(key, name), static_cast<int>(value));
}

void QtSettingsStore::WriteString(std::string_view key, std::string_view name,
                                  std::string_view value) {
    settings_->setValue(ValueKey(key, name),
                        QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

void QtSettingsStore::Remove(std::string_view key, std::string_view name) {
    settings_->remove(ValueKey(key, name));
}

void QtSettingsStore::Flush() { settings_->sync(); }

std::string QtSettingsStore::FileName() const { return settings_->fileName().toStdString(); }

}  // namespace quorvix
