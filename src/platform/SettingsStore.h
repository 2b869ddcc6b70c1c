#pragma once
// The per-user settings store: 32-bit integers and texts by key ("Options",
// "CustomKeys", "Display", "Keypad") and value name. Reads report a missing or
// unreadable value as nullopt so that the caller uses its default; writes
// that fail are lost without a message.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvix {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::int32_t> ReadInt(std::string_view key,
                                                 std::string_view name) const = 0;
    virtual std::optional<std::string> ReadString(std::string_view key,
                                                  std::string_view name) const = 0;
    virtual void WriteInt(std::string_view key, std::string_view name,
                          std::int32_t value) = 0;
    virtual void WriteString(std::string_view key, std::string_view name,
                             std::string_view value) = 0;
    virtual void Remove(std::string_view key, std::string_view name) = 0;
    // Pushes pending writes to permanent storage (a no-op where writes are
    // immediate).
    virtual void Flush() {}
};

}  // namespace quorvix
