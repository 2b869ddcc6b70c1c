#include "units/ConversionList.h"

#include <cassert>

#include "units/UnitCatalogue.h"

namespace quorvix {

static_assert(ConversionList::kFirstUserIndex == kCatalogueRowCount);

ConversionList::ConversionList() {
    records_.reserve(kCatalogueRowCount);
    for (int k = 0; k < kCatalogueRowCount; ++k) {
        const CatalogueRow& row = CatalogueRowAt(k);
        records_.push_back(UnitRecord{std::string(row.name), std::string(row.base), row.factor});
    }
}

const UnitRecord& ConversionList::at(int index) const {
    assert(index >= 0 && index < size());
    return records_[static_cast<std::size_t>(index)];
}

bool ConversionList::AppendUserConversion(std::string_view name, std::string_view base,
                                          double factor) {
    if (UserConversionCount() >= kMaxUserConversions) return false;
    records_.push_back(UnitRecord{std::string(name), std::string(base), factor});
    ++revision_;
    return true;
}

bool ConversionList::RemoveUserConversionAt(int index) {
    if (index < kFirstUserIndex || index >= size()) return false;
    records_.erase(records_.begin() + index);
    ++revision_;
    return true;
}

void ConversionList::TruncateUserConversions(int count) {
    if (count < 0) count = 0;
    if (count >= UserConversionCount()) return;
    records_.resize(static_cast<std::size_t>(kFirstUserIndex + count));
    ++revision_;
}

}  // namespace quorvix
