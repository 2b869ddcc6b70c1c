#pragma once
// One search over everything the menus and the engine offer: the built-in
// functions, the physical constants, the unit conversions (the conversions
// menus, every catalogue row and common alias, the user conversions) and
// the user-defined constants and functions. Each entry shows a title (a
// function's syntax, a constant's name and unit, "from -> to") and one line
// of help, and inserts what its menu entry inserts.
//
// Toolkit-free: a search box builds the index once per change of the user
// definitions (BuildSearchIndex) and filters it at every keystroke
// (FilterSearch). Choosing an entry with a command runs that command as
// the menus do; an entry without one (a catalogue row that no menu shows)
// types its insertion.

#include <string>
#include <string_view>
#include <vector>

#include "units/ConversionList.h"
#include "userdefs/UserMenus.h"
#include "userdefs/UserRecords.h"

namespace quorvix {

enum class SearchKind {
    Function,
    Constant,
    Conversion,
    UserDefinedConstant,
    UserDefinedConversion,
    UserDefinedFunction,
};

struct SearchEntry {
    SearchKind kind;
    std::string title;  // "ArcSin(x)", "Speed of light (m/s)", "inch -> centimeter"
    std::string help;   // one line
    int command = 0;    // the menu command that inserts it; 0 for none
    UserMenuInsertion insertion;  // what that command (or the entry) types
};

std::vector<SearchEntry> BuildSearchIndex(const std::vector<UserConstant>& constants,
                                          const ConversionList& list,
                                          const std::vector<UserFunction>& functions);

// The entries in which every word of query occurs in the title or the help
// (case ignored): first those whose title begins with the query, then the
// others, each in index order. An empty query keeps every entry.
std::vector<const SearchEntry*> FilterSearch(const std::vector<SearchEntry>& index,
                                             std::string_view query);

class KeypadHost;

// Types an entry's insertion as a menu insertion is typed: the text, the
// caret moved back into it ("Name(" + caret + ")"), its tip in the help line.
void TypeSearchInsertion(const UserMenuInsertion& insertion, KeypadHost& host);

}  // namespace quorvix
