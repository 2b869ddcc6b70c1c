#include "platform/MemorySettingsStore.h"

namespace quorvix {

namespace {
std::pair<std::string, std::string> MakeKey(std::string_view key, std::string_view name) {
    return {std::string(key), std::string(name)};
}
std::string LogEntry(std::string_view key, std::string_view name) {
    std::string entry(key);
    entry += '/';
    entry += name;
    return entry;
}
}  // namespace

std::optional<std::int32_t> MemorySettingsStore::ReadInt(std::string_view key,
                                                         std::string_view name) const {
    const auto it = values_.find(MakeKey(key, name));
    if (it == values_.end()) return std::nullopt;
    if (const auto* value = std::get_if<std::int32_t>(&it->second)) return *value;
    return std::nullopt;  // stored as text: unreadable as a number
}

std::optional<std::string> MemorySettingsStore::ReadString(std::string_view key,
                                                           std::string_view name) const {
    const auto it = values_.find(MakeKey(key, name));
    if (it == values_.end()) return std::nullopt;
    if (const auto* value = std::get_if<std::string>(&it->second)) return *value;
    return std::nullopt;
}

void MemorySettingsStore::WriteInt(std::string_view key, std::string_view name,
                                   std::int32_t value) {
    values_[MakeKey(key, name)] = value;
    writeLog.push_back(LogEntry(key, name));
}

void MemorySettingsStore::WriteString(std::string_view key, std::string_view name,
                                      std::string_view value) {
    values_[MakeKey(key, name)] = std::string(value);
    writeLog.push_back(LogEntry(key, name));
}

void MemorySettingsStore::Remove(std::string_view key, std::string_view name) {
    values_.erase(MakeKey(key, name));
    writeLog.push_back(LogEntry(key, name));
}

bool MemorySettingsStore::Has(std::string_view key, std::string_view name) const {
    return values_.find(MakeKey(key, name)) != values_.end();
}

}  // namespace quorvix
