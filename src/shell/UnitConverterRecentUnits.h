#pragma once
// The unit converter's recent-units list: unit names, most recent first, at
// most 50, no two equal ignoring case; both unit drop-down lists show it.
// Kept between runs in "Recent.cnv": a 32-bit count, then one length-
// prefixed text per entry, most recent first.

#include <string>
#include <string_view>
#include <vector>

namespace quorvix {

inline constexpr const char* kRecentUnitsFile = "Recent.cnv";

class RecentUnits {
public:
    static constexpr std::size_t kMaxEntries = 50;

    const std::vector<std::string>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    const std::string& at(std::size_t index) const { return entries_[index]; }

    // Puts name at the front: an entry equal to it ignoring case is removed
    // first, and with 50 entries the last one is dropped.
    void Record(const std::string& name);

    // Replaces the entries with those of a file's bytes: at most the first
    // 50; a read fault ends the reading, keeping what was read.
    void Decode(std::string_view bytes);
    std::string Encode() const;

    // The file in a directory; reading leaves the list empty when the file
    // cannot be read, writing replaces the file whole and fails silently.
    void Load(const std::string& directory);
    void Save(const std::string& directory) const;

private:
    std::vector<std::string> entries_;
};

}  // namespace quorvix
