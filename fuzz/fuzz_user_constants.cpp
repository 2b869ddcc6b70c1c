// Feeds arbitrary bytes to the "user.cst" reader: it must never crash or
// allocate what the bytes cannot hold, every record it keeps must be within
// the field limits, and the records must survive being written and read again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "userdefs/UserDefinitionFormat.h"

using namespace quorvix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto constants = DecodeUserConstants(bytes);
    if (constants.size() > static_cast<std::size_t>(kMaxUserRecords)) std::abort();
    for (const UserConstant& c : constants) {
        if (c.name.size() > kMaxConstantName || c.unit.size() > kMaxConstantUnit) std::abort();
    }
    const auto again = DecodeUserConstants(EncodeUserConstants(constants));
    if (again.size() != constants.size()) std::abort();
    for (std::size_t i = 0; i < again.size(); ++i) {
        // Compare bit patterns so that a NaN value still counts as equal.
        if (again[i].name != constants[i].name || again[i].unit != constants[i].unit ||
            std::memcmp(&again[i].value, &constants[i].value, sizeof(double)) != 0) {
            std::abort();
        }
    }
    return 0;
}
