#pragma once
// One direct conversion between two units: 1 name = factor x base.
// Converting from name to base multiplies by factor; from base to name
// multiplies by 1 / factor. A factor of 1 makes name an alias of base.

#include <string>
#include <string_view>

namespace quorvix {

// A row of the built-in tables, held as static data.
struct CatalogueRow {
    std::string_view name;
    std::string_view base;
    double factor;
};

// A row of the conversion list (built-in copy or user conversion).
struct UnitRecord {
    std::string name;  // the unit converted from
    std::string base;  // the unit converted to
    double factor = 1.0;
};

}  // namespace quorvix
