#include "units/UnitAliases.h"

#include <array>
#include <cassert>

#include "engine/TextRules.h"
#include "units/UnitText.h"

namespace quorvix {
namespace {

// name, base, factor: 1 name = factor base.
constexpr std::array<CatalogueRow, kNamedAliasCount> kNamedAliases{{
    {"week", "d", 7.0},
    {"kB", "byte", 1e3},
    {"MB", "byte", 1e6},
    {"GB", "byte", 1e9},
    {"KiB", "byte", 1024.0},
    {"MiB", "byte", 1048576.0},
    {"GiB", "byte", 1073741824.0},
}};

constexpr std::array<CompoundAlias, kCompoundAliasCount> kCompoundAliases{{
    {"mph", "mi/h"},
    {"kph", "km/h"},
    {"knot", "nautical mile/h"},
    {"Hz", "1/s"},
    {"hertz", "1/s"},
}};

}  // namespace

const CatalogueRow& NamedAliasAt(int k) {
    assert(k >= 0 && k < kNamedAliasCount);
    return kNamedAliases[static_cast<std::size_t>(k)];
}

const CompoundAlias& CompoundAliasAt(int k) {
    assert(k >= 0 && k < kCompoundAliasCount);
    return kCompoundAliases[static_cast<std::size_t>(k)];
}

std::optional<std::string_view> ExpandCompoundAlias(std::string_view text) {
    const std::string_view trimmed = TrimSpaces(text);
    for (const std::string_view form : {trimmed, StripPluralOrPeriod(trimmed)}) {
        for (const CompoundAlias& alias : kCompoundAliases) {
            if (EqualsIgnoringCase(form, alias.name)) return alias.expansion;
        }
    }
    return std::nullopt;
}

}  // namespace quorvix
