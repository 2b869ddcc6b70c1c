#include "shell/UnitConverterRecentUnits.h"

#include <algorithm>
#include <cstdint>

#include "platform/AtomicFile.h"
#include "platform/BinaryIO.h"
#include "platform/Locations.h"
#include "units/UnitText.h"

namespace quorvix {

namespace {

// Fifty unit names never come near this; a larger file is not read.
constexpr std::size_t kMaxRecentFileBytes = std::size_t{4} << 20;

}  // namespace

void RecentUnits::Record(const std::string& name) {
    // Equal as the conversion engine compares unit names: ignoring case,
    // except that gram "g" and gauss "G" stay two entries. The list never
    // holds two equal names, but a damaged file might: remove every copy so
    // the invariant holds again after a recording.
    std::erase_if(entries_, [&](const std::string& e) { return UnitNamesMatch(e, name); });
    if (entries_.size() >= kMaxEntries) entries_.pop_back();
    entries_.insert(entries_.begin(), name);
}

void RecentUnits::Decode(std::string_view bytes) {
    entries_.clear();
    ByteReader in(bytes);
    std::int32_t count = 0;
    if (!in.ReadInt32(count) || count <= 0) return;
    const std::size_t wanted = std::min<std::size_t>(static_cast<std::size_t>(count), kMaxEntries);
    for (std::size_t i = 0; i < wanted; ++i) {
        std::string name;
        if (!in.ReadText(name)) return;
        entries_.push_back(std::move(name));
    }
}

std::string RecentUnits::Encode() const {
    ByteWriter out;
    out.WriteInt32(static_cast<std::int32_t>(entries_.size()));
    for (const std::string& e : entries_) out.WriteText(e);
    return out.bytes();
}

void RecentUnits::Load(const std::string& directory) {
    std::string bytes;
    if (ReadWholeFile(JoinPath(directory, kRecentUnitsFile), bytes, kMaxRecentFileBytes)) {
        Decode(bytes);
    }
}

void RecentUnits::Save(const std::string& directory) const {
    WriteFileAtomically(JoinPath(directory, kRecentUnitsFile), Encode());
}

}  // namespace quorvix
