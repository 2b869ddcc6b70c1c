#include "calculator/Worksheet.h"

#include <algorithm>

#include "platform/AtomicFile.h"
#include "platform/BinaryIO.h"

namespace quorvix {

namespace {
std::string ToFileLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// CR LF and a lone CR both become one '\n'.
std::string ToDisplayLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
}  // namespace

std::string TrimWorksheetText(std::string_view displayText) {
    const auto end = displayText.find_last_not_of(" \t\r\n");
    if (end == std::string_view::npos) return {};
    return std::string(displayText.substr(0, end + 1));
}

std::string EncodeWorksheet(std::string_view displayText, const WorksheetVariables& variables) {
    ByteWriter writer;
    writer.WriteText(ToFileLineBreaks(displayText));
    const int count = variables.Count();
    writer.WriteInt32(count);
    for (int i = 0; i < count; ++i) {
        const WorksheetVariable variable = variables.At(i);
        writer.WriteText(variable.name);
        writer.WriteText(variable.formula);
    }
    return writer.bytes();
}

DecodedWorksheet DecodeWorksheet(std::string_view bytes) {
    DecodedWorksheet result;
    ByteReader reader(bytes);
    std::string text;
    if (!reader.ReadText(text)) return result;
    result.textRead = true;
    result.text = ToDisplayLineBreaks(text);

    std::int32_t count = 0;
    if (!reader.ReadInt32(count)) return result;
    const std::int32_t wanted = std::max<std::int32_t>(count, 0);
    // Each pair takes at least two bytes, so a count that the file cannot
    // hold reserves no more than the file could fill, and a short file stops
    // the loop at its end.
    result.variables.reserve(std::min<std::size_t>(static_cast<std::size_t>(wanted),
                                                   reader.remaining() / 2));
    for (std::int32_t i = 0; i < wanted; ++i) {
        WorksheetVariable variable;
        if (!reader.ReadText(variable.name) || !reader.ReadText(variable.formula)) {
            result.variables.clear();
            return result;
        }
        result.variables.push_back(std::move(variable));
    }
    result.complete = true;
    return result;
}

WorksheetReadResult ReadWorksheetFile(const std::string& path, std::string& worksheetText,
                                      WorksheetVariables& variables) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return WorksheetReadResult::NotOpened;
    DecodedWorksheet decoded = DecodeWorksheet(bytes);
    if (decoded.textRead) worksheetText = std::move(decoded.text);
    variables.Clear();
    if (!decoded.complete) return WorksheetReadResult::Damaged;
    for (const WorksheetVariable& variable : decoded.variables)
        variables.Append(variable.name, variable.formula);
    return WorksheetReadResult::Loaded;
}

bool WriteWorksheetFile(const std::string& path, std::string_view worksheetText,
                        const WorksheetVariables& variables, std::string* error) {
    return WriteFileAtomically(path, EncodeWorksheet(worksheetText, variables), error);
}

}  // namespace quorvix
