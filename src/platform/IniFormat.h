#pragma once
// Reads the INI files that the window's QSettings writes on Linux, without
// Qt, the way QSettings reads them back:
//  - "[Group]" starts a group ("[General]" is the top level, "[%General]" a
//    group named General); a key is "Group/Name";
//  - group and key names are percent-encoded (%XX, %UXXXX) with '\' for '/';
//  - a value may be quoted, uses C-like escapes (\n, \t, \", \\, \xHHHH,
//    octal), continues over an escaped line break, and is a list when it
//    holds unquoted commas; ';' starts a comment outside quotes;
//  - "@String(...)", "@ByteArray(...)", "@@" and "@Invalid()" as QSettings
//    writes them; other
//    typed values ("@Variant(...)", "@Rect(...)", ...) are not decoded (the
//    settings never hold one) and read as an empty text;
//  - a key given again (also in a repeated group) replaces the earlier value.
// Keys and groups are case-sensitive, as QSettings treats INI files on Unix.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvix {

struct IniValue {
    enum class Kind {
        kText,     // text holds the value (UTF-8)
        kList,     // items hold the parts of a comma-separated value
        kOther,    // a typed value: reads as an empty text and as no number
        kInvalid,  // "@Invalid()": reads as missing, but hides the files after it
    };
    Kind kind = Kind::kText;
    std::string text;
    std::vector<std::string> items;
};

using IniValues = std::unordered_map<std::string, IniValue>;

// Every value of an INI file's contents, by "Group/Name".
IniValues ParseIni(std::string_view data);

// A key or group name as it appears in the file, decoded.
std::string UnescapeIniKey(std::string_view key);

}  // namespace quorvix
