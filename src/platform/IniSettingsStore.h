#pragma once
// The settings the window's QSettings keeps, read without Qt (for the
// terminal program, which only reads them): organisation "Daltrane",
// application "Quorvix". Without a data directory QSettings reads, first
// match wins, CONFIG/Daltrane/Quorvix.ini, CONFIG/Daltrane.ini and the same
// two files under the system folder (CONFIG is $XDG_CONFIG_HOME or
// ~/.config); with one, only DIR/Quorvix.ini. Values read back as
// QtSettingsStore reads them: numbers in decimal, or hexadecimal after
// "0x"; a list value joined with ", ". When one of the files is there but is
// not a regular file (a FIFO would block the read), the store holds nothing.
// Writes are ignored: this store never changes the files.

#include <string>
#include <vector>

#include "platform/IniFormat.h"
#include "platform/SettingsStore.h"

namespace quorvix {

class IniSettingsStore : public SettingsStore {
public:
    // dataDir empty: the user's own settings; otherwise DIR/Quorvix.ini.
    explicit IniSettingsStore(const std::string& dataDir = {});

    std::optional<std::int32_t> ReadInt(std::string_view key, std::string_view name) const override;
    std::optional<std::string> ReadString(std::string_view key, std::string_view name) const override;
    void WriteInt(std::string_view, std::string_view, std::int32_t) override {}
    void WriteString(std::string_view, std::string_view, std::string_view) override {}
    void Remove(std::string_view, std::string_view) override {}

    // The files read, in order of precedence.
    static std::vector<std::string> Files(const std::string& dataDir);

private:
    const IniValue* Find(std::string_view key, std::string_view name) const;

    std::vector<IniValues> files_;
};

// The number a stored text stands for, as QtSettingsStore reads it: blanks
// around it ignored, an optional sign, decimal or "0x" and hexadecimal,
// written signed or unsigned in 32 bits.
std::optional<std::int32_t> ParseStoredInt(std::string_view text);

}  // namespace quorvix
