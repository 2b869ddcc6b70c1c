// Feeds arbitrary bytes to the "user.cnv" reader and appends what it keeps
// to a conversion list, as loading does: no crash, no allocation beyond the
// bytes, at most 1000 user conversions, and a lossless write and re-read.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "units/ConversionList.h"
#include "userdefs/UserDefinitionFormat.h"

using namespace quorvix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto conversions = DecodeUserConversions(bytes);
    if (conversions.size() > static_cast<std::size_t>(kMaxUserRecords)) std::abort();
    ConversionList list;
    for (const UserConversion& c : conversions) {
        if (c.name.size() > kMaxConversionUnit || c.base.size() > kMaxConversionUnit) std::abort();
        if (!list.AppendUserConversion(c.name, c.base, c.factor)) std::abort();
    }
    const auto again = DecodeUserConversions(EncodeUserConversions(conversions));
    if (again.size() != conversions.size()) std::abort();
    for (std::size_t i = 0; i < again.size(); ++i) {
        if (again[i].name != conversions[i].name || again[i].base != conversions[i].base ||
            std::memcmp(&again[i].factor, &conversions[i].factor, sizeof(double)) != 0) {
            std::abort();
        }
    }
    return 0;
}
