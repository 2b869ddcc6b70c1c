// Feeds arbitrary bytes to the worksheet reader: it must never crash,
// allocate what the file cannot hold, or report a damaged file as complete
// with variables dropped silently. A decoded worksheet must survive being
// written and read again unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calculator/Worksheet.h"

using namespace quorvix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DecodedWorksheet decoded = DecodeWorksheet(bytes);
    if (!decoded.complete) {
        if (!decoded.variables.empty()) std::abort();
        return 0;
    }
    // Each variable takes at least its two length bytes.
    if (decoded.variables.size() * 2 > size) std::abort();

    MemoryWorksheetVariables variables;
    variables.list = decoded.variables;
    const DecodedWorksheet again = DecodeWorksheet(EncodeWorksheet(decoded.text, variables));
    if (!again.complete || again.text != decoded.text || again.variables != decoded.variables)
        std::abort();
    return 0;
}
