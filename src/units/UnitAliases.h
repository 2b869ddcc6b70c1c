#pragma once
// Common unit names the catalogue lacks, as conversions of their own kind.
// They are searched after the catalogue and the user conversions, so every
// chain found before they existed is still the one found.
//
// Named aliases are rows like the catalogue's ("1 week = 7 d"); each names
// one new unit and ties it to one catalogue unit, so they open no new path
// between units that were already connected. The decimal byte multiples
// (kB, MB, GB) sit beside the binary ones (KiB, MiB, GiB); the catalogue's
// own "Kilobyte"/"Kb" and "Megabyte"/"Mb" keep their binary meaning.
//
// Compound aliases stand for a unit text: "mph" is mi/h, "Hz" is 1/s. A
// conversion that fails as written is tried once more with a text that is
// one compound alias (as a whole, case ignored, plural retried) replaced by
// its expansion.

#include <optional>
#include <string_view>

#include "units/UnitRecord.h"

namespace quorvix {

inline constexpr int kNamedAliasCount = 7;
inline constexpr int kCompoundAliasCount = 5;

// Named alias k, 0 <= k < kNamedAliasCount.
const CatalogueRow& NamedAliasAt(int k);

struct CompoundAlias {
    std::string_view name;       // "mph"
    std::string_view expansion;  // "mi/h"
};
// Compound alias k, 0 <= k < kCompoundAliasCount.
const CompoundAlias& CompoundAliasAt(int k);

// The expansion of a unit text that is a compound alias, else none.
std::optional<std::string_view> ExpandCompoundAlias(std::string_view text);

}  // namespace quorvix
