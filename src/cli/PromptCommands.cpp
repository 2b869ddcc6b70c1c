#include "cli/PromptCommands.h"

#include "engine/TextRules.h"

namespace quorvix {

PromptCommand ClassifyPromptLine(std::string_view line) {
    const std::string_view word = TrimSpacesAndTabs(line);
    if (EqualsIgnoringCase(word, "help") || word == "?") return PromptCommand::Help;
    if (EqualsIgnoringCase(word, "quit") || EqualsIgnoringCase(word, "exit"))
        return PromptCommand::Quit;
    return PromptCommand::None;
}

std::string PromptHelpText() {
    return "Type an expression and press Enter; Tab completes names after two letters.\n"
           "Commands (any case):\n"
           "  Name = Value         define a variable\n"
           "  SHOWVARS (SV)        list the variables\n"
           "  CLEARVARS (CV)       delete the variables\n"
           "  CLEAR (CLR)          clear the worksheet\n"
           "  HELP, ?              this text\n"
           "  QUIT, EXIT (OFF)     save and leave (Ctrl+D too)\n"
           "Functions, units and options: man quorvix-cli, quorvix-cli --help, and the\n"
           "help document (F1 in the quorvix window, share/quorvix/help/index.html).\n";
}

std::vector<std::string> PromptCompletions(std::string_view word, const CompletionNames& names) {
    const TypedName typed = NameBeforeCaret(word, static_cast<int>(word.size()));
    std::vector<std::string> found;
    for (const Completion& c : CompletionsFor(typed.text, names)) {
        std::string text(word.substr(0, static_cast<std::size_t>(typed.start)));
        text += c.name;
        if (c.kind == CompletionKind::Function || c.kind == CompletionKind::UserDefinedFunction)
            text += '(';
        found.push_back(std::move(text));
    }
    return found;
}

}  // namespace quorvix
