#pragma once
// The real settings store on Qt Core: QSettings for organisation "Daltrane"
// and application "Quorvix" (an INI file on Linux, the registry on Windows).
// With a data directory the values live in DIR/Quorvix.ini instead. The four
// keys are INI groups. When a file the store would read is there but is not
// a regular file (a FIFO would block the read, a device never end it), the
// store holds nothing: reads find no values and writes are dropped.

#include <memory>
#include <string>

#include "platform/SettingsStore.h"

class QSettings;

namespace quorvix {

class QtSettingsStore : public SettingsStore {
public:
    // dataDir empty: the user's own settings; otherwise DIR/Quorvix.ini.
    explicit QtSettingsStore(const std::string& dataDir = {});
    ~QtSettingsStore() override;
    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    std::optional<std::int32_t> ReadInt(std::string_view key,
                                        std::string_view name) const override;
    std::optional<std::string> ReadString(std::string_view key,
                                          std::string_view name) const override;
    void WriteInt(std::string_view key, std::string_view name, std::int32_t value) override;
    void WriteString(std::string_view key, std::string_view name,
                     std::string_view value) override;
    void Remove(std::string_view key, std::string_view name) override;
    void Flush() override;

    // The file behind the store (for messages and tests).
    std::string FileName() const;

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace quorvix
