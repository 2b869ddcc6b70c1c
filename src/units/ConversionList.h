#pragma once
// The one conversion list of a run: the 275 catalogue rows at indices
// 0..274, then the user conversions from index 275 on, in the order they
// were read or added. The conversion search walks it in index order, so
// every built-in row is tried before any user row. Only the user part can
// change; the built-in rows stay as constructed.

#include <cstdint>
#include <string_view>
#include <vector>

#include "units/UnitRecord.h"

namespace quorvix {

class ConversionList {
public:
    // Index of the first user conversion.
    static constexpr int kFirstUserIndex = 275;
    // Most user conversions the list holds.
    static constexpr int kMaxUserConversions = 1000;

    // Filled with the catalogue rows, no user conversions.
    ConversionList();

    int size() const { return static_cast<int>(records_.size()); }
    // Record at index, 0 <= index < size().
    const UnitRecord& at(int index) const;

    int UserConversionCount() const { return size() - kFirstUserIndex; }
    // Appends a user conversion "1 name = factor base". Refused (false) when
    // the list already holds kMaxUserConversions user conversions.
    bool AppendUserConversion(std::string_view name, std::string_view base, double factor);
    // Removes the record at index; refused (false) for a built-in row or an
    // index out of range. Later user conversions move down by one.
    bool RemoveUserConversionAt(int index);
    // Keeps only the first count user conversions (count >= 0).
    void TruncateUserConversions(int count);
    void ClearUserConversions() { TruncateUserConversions(0); }

    // Changes on every edit of the list, so readers can tell that indexes
    // derived from the list are stale.
    std::uint64_t revision() const { return revision_; }

private:
    std::vector<UnitRecord> records_;
    std::uint64_t revision_ = 0;
};

}  // namespace quorvix
