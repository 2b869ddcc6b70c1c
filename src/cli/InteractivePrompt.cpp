// The interactive prompt: libedit's readline with history, answers on
// stdout, errors on stderr, Yes/No questions asked at the prompt. Without
// the line editor the prompt reads plain lines.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "calculator/CalculatorDialog.h"
#include "cli/BoundedLineReader.h"
#include "cli/CliInterrupts.h"
#include "cli/CliPrompters.h"
#include "cli/CliRunner.h"
#include "cli/CliSession.h"
#include "cli/LineEditor.h"
#include "cli/PromptCommands.h"

namespace quorvix {

namespace {

// Reads one line, with editing when the editor is there; false at end of
// input or after Ctrl+C.
bool ReadEditedLine(const std::string& prompt, std::string& line) {
    if (const LineEditor* editor = LineEditor::Load()) {
        char* raw = editor->ReadLine(prompt.c_str());
        if (raw == nullptr) return false;
        line = raw;
        std::free(raw);
        return !InterruptedWhileIdle();
    }
    static BoundedLineReader input(STDIN_FILENO, CalculatorDialog::kLineReadLimit);
    std::fputs(prompt.c_str(), stderr);
    std::fflush(stderr);
    return input.ReadLine(line) && !InterruptedWhileIdle();
}

// libedit's key reader: waits so that Ctrl+C can end the wait.
int ReadKey(FILE* stream) {
    const int byte = ReadInputByte(fileno(stream));
    return byte < 0 ? EOF : byte;
}

// Tab completion over the session's names; the line editor asks for the
// matches one by one.
const CompletionNames* completionNames = nullptr;

char* CompleteName(const char* text, int state) {
    static std::vector<std::string> matches;
    if (state == 0) {
        matches = completionNames ? PromptCompletions(text, *completionNames)
                                  : std::vector<std::string>{};
        // A function's "(" is typed after the one match, not inside it.
        const bool call = matches.size() == 1 && matches.front().ends_with('(');
        if (const LineEditor* editor = LineEditor::Load()) editor->SetCompletionAppend(call ? '(' : 0);
        for (std::string& m : matches) {
            if (m.ends_with('(')) m.pop_back();
        }
    }
    if (state < 0 || static_cast<std::size_t>(state) >= matches.size()) return nullptr;
    return strdup(matches[static_cast<std::size_t>(state)].c_str());
}

bool HasNonBlank(const std::string& line) {
    return line.find_first_not_of(" \t") != std::string::npos;
}

}  // namespace

int RunInteractive(const CliOptions& options) {
    InstallInterruptHandler(true);
    CliPrompter prompter(std::cerr, ReadEditedLine);
    CliSession session(prompter);
    if (!PrepareSession(session, options, std::cerr)) return 1;
    // With answers redirected to a file, the prompt and editing stay on the
    // terminal.
    const LineEditor* editor = LineEditor::Load();
    if (editor) editor->Prepare(ReadKey, isatty(STDOUT_FILENO) ? nullptr : stderr);
    const CompletionNames names{session.calculator().userDefinitions().functions(),
                                &session.calculator().evaluator()};
    completionNames = &names;
    if (editor) editor->SetCompletion(CompleteName, kPromptWordBreaks);

    std::string line;
    while (ReadEditedLine("quorvix> ", line)) {
        if (editor && HasNonBlank(line)) editor->AddHistory(line.c_str());
        const PromptCommand command = ClassifyPromptLine(line);
        if (command == PromptCommand::Help) {
            std::cerr << PromptHelpText();
            continue;
        }
        // quit takes the path of the EXIT command.
        if (!RunAndReport(session, command == PromptCommand::Quit ? "EXIT" : line, std::cout,
                          std::cerr))
            break;
    }
    completionNames = nullptr;
    if (InterruptedWhileIdle()) std::cout << '\n';
    return FinishSession(session, std::cout, std::cerr);
}

}  // namespace quorvix
