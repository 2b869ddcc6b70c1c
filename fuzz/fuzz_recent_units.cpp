// Feeds arbitrary bytes to the "Recent.cnv" reader: no crash, no allocation
// beyond the bytes, at most 50 entries, and a lossless write and re-read.
// Recording further names keeps the list within 50 and free of entries
// equal ignoring case to the recorded name.

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shell/UnitConverterRecentUnits.h"

using namespace quorvix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    RecentUnits recent;
    recent.Decode(bytes);
    if (recent.size() > RecentUnits::kMaxEntries) std::abort();
    RecentUnits again;
    again.Decode(recent.Encode());
    if (again.entries() != recent.entries()) std::abort();

    const std::string name = "Inch";
    recent.Record(name);
    recent.Record("inch");
    if (recent.size() > RecentUnits::kMaxEntries || recent.at(0) != "inch") std::abort();
    for (std::size_t i = 1; i < recent.size(); ++i) {
        const std::string& e = recent.at(i);
        if (e.size() == 4 && std::tolower(static_cast<unsigned char>(e[0])) == 'i' &&
            std::tolower(static_cast<unsigned char>(e[1])) == 'n' &&
            std::tolower(static_cast<unsigned char>(e[2])) == 'c' &&
            std::tolower(static_cast<unsigned char>(e[3])) == 'h') {
            std::abort();
        }
    }
    return 0;
}
