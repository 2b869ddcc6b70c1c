#pragma once
// The interactive prompt's own words and its Tab completion. "help" (or
// "?") shows a short list of commands and where the help lives; "quit" and
// "exit" end the session, in any case and with blanks around them. Tab
// completes the names the calculator's completion offers: a function as
// "Name(", any other name as itself.

#include <string>
#include <string_view>
#include <vector>

#include "calculator/CompletionModel.h"

namespace quorvix {

enum class PromptCommand { None, Help, Quit };

PromptCommand ClassifyPromptLine(std::string_view line);

// The text "help" prints.
std::string PromptHelpText();

// The completions of word (the text the line editor completes, ending at
// the caret): each is word with its name replaced.
std::vector<std::string> PromptCompletions(std::string_view word, const CompletionNames& names);

// Characters that end a word for the line editor: blanks, operators,
// parentheses and separators.
inline constexpr const char* kPromptWordBreaks = " \t\n\"'=+-*/^%!(),;<>&|";

}  // namespace quorvix
