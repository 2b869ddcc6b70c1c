// Feeds arbitrary bytes to the INI settings reader: no crash, no hang, and
// every key and text it returns is valid UTF-8 (what QSettings would hand
// back); the int conversion accepts any text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/IniFormat.h"
#include "platform/IniSettingsStore.h"

using namespace quorvix;

namespace {

bool IsUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const IniValues values = ParseIni(bytes);
    for (const auto& [key, value] : values) {
        if (!IsUtf8(key) || !IsUtf8(value.text)) std::abort();
        for (const std::string& item : value.items)
            if (!IsUtf8(item)) std::abort();
        (void)ParseStoredInt(value.text);
    }
    (void)ParseStoredInt(bytes);
    return 0;
}
