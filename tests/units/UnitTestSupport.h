#pragma once
// Helpers shared by the unit tests.

#include <string>
#include <string_view>

#include "units/ConversionList.h"

namespace quorvix::unit_test {

// prefix followed by the number, e.g. "u12".
inline std::string NumberedUnit(std::string_view prefix, int number) {
    std::string name(prefix);
    name += std::to_string(number);
    return name;
}

// User conversions joining every pair of the units u0 .. u(count-1), in
// the order u0->u1, u0->u2, ..., u1->u2, ...: a graph whose simple chains
// are too many to walk.
inline void AddCompleteUserGraph(ConversionList& list, int count, double factor) {
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            list.AppendUserConversion(NumberedUnit("u", i), NumberedUnit("u", j), factor);
        }
    }
}

}  // namespace quorvix::unit_test
