#pragma once
// The built-in unit knowledge: 275 direct conversions, in the order the
// conversion search tries them, and the 14 everyday conversions of the
// calculator's "English to Metric" / "Metric to English" menus (these are
// not searched).

#include "units/UnitRecord.h"

namespace quorvix {

inline constexpr int kCatalogueRowCount = 275;
inline constexpr int kConversionsMenuRowCount = 14;

// Row k of the catalogue, 0 <= k < kCatalogueRowCount.
const CatalogueRow& CatalogueRowAt(int k);
// Row k of the conversions-menu table, 0 <= k < kConversionsMenuRowCount.
const CatalogueRow& ConversionsMenuRowAt(int k);

}  // namespace quorvix
