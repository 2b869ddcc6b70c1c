#pragma once
// A SettingsStore held in memory, for tests and for runs that must not touch
// the user's real settings. Every write and removal is also appended to a
// log so that the order of writes can be checked.

#include <map>
#include <utility>
#include <variant>
#include <vector>

#include "platform/SettingsStore.h"

namespace quorvix {

class MemorySettingsStore : public SettingsStore {
public:
    using Value = std::variant<std::int32_t, std::string>;

    std::optional<std::int32_t> ReadInt(std::string_view key,
                                        std::string_view name) const override;
    std::optional<std::string> ReadString(std::string_view key,
                                          std::string_view name) const override;
    void WriteInt(std::string_view key, std::string_view name, std::int32_t value) override;
    void WriteString(std::string_view key, std::string_view name,
                     std::string_view value) override;
    void Remove(std::string_view key, std::string_view name) override;

    bool Has(std::string_view key, std::string_view name) const;
    std::size_t size() const { return values_.size(); }

    // "Key/Name" of every write or removal, in order.
    std::vector<std::string> writeLog;

private:
    std::map<std::pair<std::string, std::string>, Value, std::less<>> values_;
};

}  // namespace quorvix
