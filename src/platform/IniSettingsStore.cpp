#include "platform/IniSettingsStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <limits>

#include "platform/XdgPaths.h"

namespace quorvix {

namespace {

// A settings file larger than this is not read.
constexpr off_t kMaxSettingsFileSize = 16 * 1024 * 1024;

bool IsThereButNotAFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

// The whole file, or nothing when it is missing, unreadable or too large.
std::string ReadFile(const std::string& path) {
    std::string data;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return data;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= kMaxSettingsFileSize) {
        data.resize(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        while (done < data.size()) {
            const ssize_t n = ::read(fd, data.data() + done, data.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        data.resize(done);
    }
    ::close(fd);
    return data;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

}  // namespace

std::vector<std::string> IniSettingsStore::Files(const std::string& dataDir) {
    if (!dataDir.empty()) {
        std::string dir = dataDir;
        if (dir.back() != '/') dir += '/';
        return {dir + "Quorvix.ini"};
    }
    const std::string user = ConfigHome() + "/";
    const std::string system = std::string(kSystemConfigDirectory) + "/";
    return {user + "Daltrane/Quorvix.ini", user + "Daltrane.ini", system + "Daltrane/Quorvix.ini",
            system + "Daltrane.ini"};
}

IniSettingsStore::IniSettingsStore(const std::string& dataDir) {
    const std::vector<std::string> files = Files(dataDir);
    for (const std::string& file : files) {
        if (IsThereButNotAFile(file)) return;
    }
    for (const std::string& file : files) files_.push_back(ParseIni(ReadFile(file)));
}

const IniValue* IniSettingsStore::Find(std::string_view key, std::string_view name) const {
    std::string fullKey;
    fullKey.reserve(key.size() + 1 + name.size());
    fullKey.append(key).append("/").append(name);
    for (const IniValues& values : files_) {
        const auto found = values.find(fullKey);
        if (found != values.end()) return &found->second;
    }
    return nullptr;
}

std::optional<std::int32_t> ParseStoredInt(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    int base = 10;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    // In hexadecimal a second "0x" may follow the sign.
    if (base == 16 && text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.remove_prefix(2);
    if (text.empty()) return std::nullopt;
    // |value| <= 2^32 - 1 is all that can be accepted; stop well before overflow.
    std::uint64_t magnitude = 0;
    for (const char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (magnitude > (std::uint64_t{1} << 40)) return std::nullopt;
    }
    const std::int64_t value =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > static_cast<std::int64_t>(std::numeric_limits<std::uint32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> IniSettingsStore::ReadInt(std::string_view key, std::string_view name) const {
    const IniValue* value = Find(key, name);
    if (!value || value->kind != IniValue::Kind::kText) return std::nullopt;
    return ParseStoredInt(value->text);
}

std::optional<std::string> IniSettingsStore::ReadString(std::string_view key, std::string_view name) const {
    const IniValue* value = Find(key, name);
    if (!value || value->kind == IniValue::Kind::kInvalid) return std::nullopt;
    if (value->kind == IniValue::Kind::kOther) return std::string();
    if (value->kind == IniValue::Kind::kText) return value->text;
    std::string joined;
    for (std::size_t i = 0; i < value->items.size(); ++i) {
        if (i > 0) joined += ", ";
        joined += value->items[i];
    }
    return joined;
}

}  // namespace quorvix
