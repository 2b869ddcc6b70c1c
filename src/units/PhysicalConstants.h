#pragma once
// The 35 physical constants offered by the calculator's constants menu.
// They are not names in the expression language: choosing one inserts its
// value as a number.

#include <string>
#include <string_view>

namespace quorvix {

struct ConstantRecord {
    std::string_view name;  // as shown
    std::string_view unit;  // the unit text as shown; never empty
    double value;           // the value in that unit
};

inline constexpr int kPhysicalConstantCount = 35;

// Row k, 0 <= k < kPhysicalConstantCount.
const ConstantRecord& PhysicalConstantAt(int k);

// The menu caption of row k: name + " (" + unit + ")".
std::string PhysicalConstantCaption(int k);

// The text that choosing row k inserts: its value in the insertion format.
std::string PhysicalConstantInsertText(int k);

}  // namespace quorvix
