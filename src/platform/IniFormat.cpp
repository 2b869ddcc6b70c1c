#include "platform/IniFormat.h"

#include <cstdint>

#include "platform/Utf8.h"

namespace quorvix {

namespace {

// Text is built as UTF-16 code units, as QSettings builds it: the escapes
// \xHHHH and octal ones give code units, not characters.
using Units = std::u16string;

constexpr char16_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Appends UTF-8 bytes as UTF-16; each byte that does not start a valid
// sequence becomes one replacement character. With `pending`, a sequence
// cut off at the end waits there for the bytes of the next call (a value's
// text arrives in pieces between escapes); without, it is replaced.
void AppendUtf8(std::string_view input, Units& out, std::string* pending = nullptr) {
    std::string joined;
    std::string_view bytes = input;
    if (pending && !pending->empty()) {
        joined = *pending + std::string(input);
        pending->clear();
        bytes = joined;
    }
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            out += static_cast<char16_t>(c);
            ++i;
            continue;
        }
        int length = 0;
        std::uint32_t code = 0, minimum = 0;
        if (c >= 0xC2 && c <= 0xDF)
            length = 2, code = c & 0x1F, minimum = 0x80;
        else if ((c & 0xF0) == 0xE0)
            length = 3, code = c & 0x0F, minimum = 0x800;
        else if (c >= 0xF0 && c <= 0xF4)
            length = 4, code = c & 0x07, minimum = 0x10000;
        bool valid = length > 0;
        int k = 1;
        for (; valid && k < length && i + static_cast<std::size_t>(k) < bytes.size(); ++k) {
            const unsigned char d = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            valid = IsContinuation(d);
            code = (code << 6) | (d & 0x3F);
        }
        if (valid && k < length) {  // cut off at the end
            if (pending) {
                pending->assign(bytes.substr(i));
                return;
            }
            valid = false;
        }
        if (valid && (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))) valid = false;
        if (!valid) {
            out += kReplacement;
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
        i += static_cast<std::size_t>(length);
    }
}

// UTF-16 to UTF-8; a surrogate without its partner becomes '?'.
std::string ToUtf8(const Units& units) {
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            AppendCodePoint(
                0x10000 + ((static_cast<std::uint32_t>(u - 0xD800) << 10) | (units[i + 1] - 0xDC00)), out);
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            out += '?';
        } else {
            AppendCodePoint(u, out);
        }
    }
    return out;
}

bool IsLineSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

int HexValue(char16_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One logical line from `pos` on: leading blanks and comment lines are
// skipped, a line break inside quotes or after a backslash continues the
// line, and ';' outside quotes ends it (the rest is a comment). `equals` is
// the offset of the first '=' outside quotes, or npos.
bool NextLine(std::string_view data, std::size_t& pos, std::string_view& line, std::size_t& equals) {
    std::size_t start = pos;
    while (start < data.size() && IsLineSpace(data[start])) ++start;
    std::size_t i = start;
    bool inQuotes = false;
    equals = std::string_view::npos;
    while (i < data.size()) {
        const char c = data[i++];
        if (c == '=') {
            if (!inQuotes && equals == std::string_view::npos) equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < data.size()) {
                const char escaped = data[i++];
                if (i < data.size()) {
                    const char next = data[i];
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n')) ++i;
                }
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {
                while (i < data.size() && data[i] != '\n' && data[i] != '\r') ++i;
                while (i < data.size() && IsLineSpace(data[i])) ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line = data.substr(start, i - start);
    if (equals != std::string_view::npos) equals -= start;
    return !line.empty();
}

// The value after '=': escapes decoded, quotes removed, unquoted blanks
// at the end of a part dropped (but not escaped ones), split at unquoted
// commas. True when it is a list.
bool DecodeValue(std::string_view s, Units& text, std::vector<Units>& list) {
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;  // the current part had quotes
    std::string pending;  // the start of a UTF-8 sequence (one decoder for the whole value)
    std::size_t i = 0;
    std::size_t keep = 0;  // blanks before this length are never dropped
    auto skipBlanks = [&] {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        keep = text.size();
    };
    auto dropTrailingBlanks = [&] {
        while (text.size() > keep && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    };
    // A backslash at the very end ends the value without dropping blanks.
    auto finish = [&](bool dropBlanks) {
        if (dropBlanks) dropTrailingBlanks();
        if (isList) list.push_back(text);
        return isList;
    };
    skipBlanks();
    while (i < s.size()) {
        const char c = s[i];
        if (c == '\\') {
            if (++i >= s.size()) return finish(false);
            const char e = s[i++];
            static constexpr char kSimple[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                                  {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                                  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
            bool simple = false;
            for (const auto& pair : kSimple) {
                if (e == pair[0]) {
                    text += static_cast<char16_t>(pair[1]);
                    simple = true;
                    break;
                }
            }
            if (!simple) {
                if (e == 'x' && i < s.size() && HexValue(static_cast<unsigned char>(s[i])) >= 0) {
                    char16_t unit = 0;
                    while (i < s.size() && HexValue(static_cast<unsigned char>(s[i])) >= 0)
                        unit =
                            static_cast<char16_t>((unit << 4) + HexValue(static_cast<unsigned char>(s[i++])));
                    text += unit;
                } else if (e >= '0' && e <= '7') {
                    char16_t unit = static_cast<char16_t>(e - '0');
                    while (i < s.size() && s[i] >= '0' && s[i] <= '7')
                        unit = static_cast<char16_t>((unit << 3) + (s[i++] - '0'));
                    text += unit;
                } else if ((e == '\n' || e == '\r') && i < s.size() && (s[i] == '\n' || s[i] == '\r') &&
                           s[i] != e) {
                    ++i;  // an escaped line break of two characters
                }
                // Any other escaped character is dropped.
            }
            keep = text.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipBlanks();
        } else if (c == ',' && !inQuotes) {
            if (!quoted) dropTrailingBlanks();
            isList = true;
            list.push_back(text);
            text.clear();
            quoted = false;
            ++i;
            skipBlanks();
        } else {
            std::size_t j = i + 1;
            while (j < s.size() && s[j] != '\\' && s[j] != '"' && s[j] != ',') ++j;
            AppendUtf8(s.substr(i, j - i), text, &pending);
            i = j;
        }
    }
    return finish(!quoted);
}

bool StartsWith(const Units& s, std::u16string_view prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

// The typed forms that QSettings writes for texts that would be misread.
IniValue TextValue(const Units& s) {
    IniValue value;
    if (!s.empty() && s[0] == u'@') {
        if (s.back() == u')') {
            if (StartsWith(s, u"@String(")) {
                value.text = ToUtf8(s.substr(8, s.size() - 9));
                return value;
            }
            if (s == u"@Invalid()") {
                value.kind = IniValue::Kind::kInvalid;
                return value;
            }
            if (StartsWith(s, u"@ByteArray(")) {
                // Bytes, read back as UTF-8 text (a character above 0xFF
                // in the file stands for '?').
                std::string bytes;
                for (std::size_t i = 11; i + 1 < s.size(); ++i)
                    bytes += s[i] <= 0xFF ? static_cast<char>(s[i]) : '?';
                Units text;
                AppendUtf8(bytes, text);
                value.text = ToUtf8(text);
                return value;
            }
            if (StartsWith(s, u"@Variant(") || StartsWith(s, u"@DateTime(") || StartsWith(s, u"@Rect(") || StartsWith(s, u"@Size(") ||
                StartsWith(s, u"@Point(")) {
                value.kind = IniValue::Kind::kOther;
                return value;
            }
        }
        if (StartsWith(s, u"@@")) {
            value.text = ToUtf8(s.substr(1));
            return value;
        }
    }
    value.text = ToUtf8(s);
    return value;
}

std::string UnescapeKey(const Units& key) {
    Units out;
    std::size_t i = 0;
    while (i < key.size()) {
        const char16_t c = key[i];
        if (c == u'\\') {
            out += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i + 1 == key.size()) {
            out += c;
            ++i;
            continue;
        }
        std::size_t first = i + 1;
        std::size_t digits = 2;
        if (key[first] == u'U') ++first, digits = 4;
        std::uint32_t unit = 0;
        bool ok = first + digits <= key.size();
        for (std::size_t k = 0; ok && k < digits; ++k) {
            const int h = HexValue(key[first + k]);
            ok = h >= 0;
            unit = (unit << 4) + static_cast<std::uint32_t>(h);
        }
        if (!ok) {
            out += u'%';
            ++i;
            continue;
        }
        out += static_cast<char16_t>(unit);
        i = first + digits;
    }
    return ToUtf8(out);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] + 32) : a[i];
        const char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] + 32) : b[i];
        if (x != y) return false;
    }
    return true;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsLineSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsLineSpace(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

std::string UnescapeIniKey(std::string_view key) {
    Units units;
    AppendUtf8(key, units);
    return UnescapeKey(units);
}

IniValues ParseIni(std::string_view data) {
    IniValues values;
    std::string group;  // "Name/" or "" for the top level
    std::size_t pos = 0;
    std::string_view line;
    std::size_t equals = 0;
    while (NextLine(data, pos, line, equals)) {
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            if (close == std::string_view::npos) close = line.size();
            const std::string_view name = Trim(line.substr(1, close - 1));
            if (EqualsIgnoringCase(name, "general"))
                group.clear();
            else if (EqualsIgnoringCase(name, "%general"))
                group = std::string(name.substr(1)) + "/";
            else
                group = UnescapeIniKey(name) + "/";
            continue;
        }
        if (equals == std::string_view::npos) continue;
        std::size_t keyEnd = equals;
        while (keyEnd > 0 && (line[keyEnd - 1] == ' ' || line[keyEnd - 1] == '\t')) --keyEnd;
        Units text;
        std::vector<Units> list;
        IniValue value;
        if (DecodeValue(line.substr(equals + 1), text, list)) {
            // An item that starts with one '@' makes the list a list of
            // typed values, which does not read as text; "@@" stands for '@'.
            value.kind = IniValue::Kind::kList;
            for (const Units& item : list) {
                const bool typed = !item.empty() && item[0] == u'@';
                if (typed && (item.size() < 2 || item[1] != u'@')) value.kind = IniValue::Kind::kOther;
                value.items.push_back(ToUtf8(typed ? item.substr(1) : item));
            }
        } else {
            value = TextValue(text);
        }
        // A key with no name cannot be asked for.
        const std::string name = UnescapeIniKey(line.substr(0, keyEnd));
        if (!name.empty()) values[group + name] = std::move(value);
    }
    return values;
}

}  // namespace quorvix
