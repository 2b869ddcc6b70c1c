#pragma once
// Completion of names while typing: once two letters of a name stand before
// the caret, the built-in functions, user functions, variables and language
// constants (PI, ANS) whose names begin with them, each with its syntax and
// one line of help. Choosing one replaces the typed letters: a function as
// "Name()" with the caret between the parentheses, as the function keys and
// menus insert it; any other name as itself.
//
// Toolkit-free: the display's pop-up asks CompletionsAt for the list and
// CompletionInsertion for what to type; the terminal prompt's Tab asks
// CompletionsFor the word before the caret (NameBeforeCaret).

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Evaluator.h"
#include "userdefs/FunctionInfo.h"
#include "userdefs/UserMenus.h"

namespace quorvix {

// Letters typed before completions are offered.
inline constexpr int kMinCompletionPrefix = 2;

enum class CompletionKind { Function, UserDefinedFunction, Variable, Constant };

struct Completion {
    std::string name;         // as inserted: "ArcSin", a user's spelling
    CompletionKind kind;
    std::string syntax;       // "ArcSin(x)", "x = 2*y", "PI"
    std::string description;  // one line of help
};

// Where the names come from besides the built-in catalogue.
struct CompletionNames {
    std::span<const FunctionInfo> userFunctions;
    const Evaluator* variables = nullptr;  // its variables; null for none
};

// The identifier ending at caret in line: the run of letters, digits and
// '_' before the caret, without leading digits. Empty when there is none.
struct TypedName {
    int start = 0;
    std::string text;
};
TypedName NameBeforeCaret(std::string_view line, int caret);

// The names that begin with prefix (case ignored), functions first, then
// user functions, variables and constants, each group by name. None when
// prefix is shorter than kMinCompletionPrefix.
std::vector<Completion> CompletionsFor(std::string_view prefix, const CompletionNames& names);
// CompletionsFor the name before the caret.
std::vector<Completion> CompletionsAt(std::string_view line, int caret,
                                      const CompletionNames& names);

// What choosing the completion types in place of the typed letters.
UserMenuInsertion CompletionInsertion(const Completion& completion);

struct CompletedLine {
    std::string line;
    int caret = 0;
};
// The line with the name before the caret replaced by the completion's
// insertion, and the caret where the insertion leaves it.
CompletedLine ApplyCompletion(std::string_view line, int caret, const Completion& completion);

}  // namespace quorvix
