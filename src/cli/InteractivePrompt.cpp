// The interactive prompt: libedit's readline with history, answers on
// stdout, errors on stderr, Yes/No questions asked at the prompt.

#include <editline/readline.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "cli/CliInterrupts.h"
#include "cli/CliPrompters.h"
#include "cli/CliRunner.h"
#include "cli/CliSession.h"

namespace quorvix {

namespace {

// Reads one line with editing; false at end of input or after Ctrl+C.
bool ReadEditedLine(const std::string& prompt, std::string& line) {
    char* raw = readline(prompt.c_str());
    if (raw == nullptr) return false;
    line = raw;
    std::free(raw);
    return !InterruptedWhileIdle();
}

// libedit's key reader: waits so that Ctrl+C can end the wait.
int ReadKey(FILE* stream) {
    const int byte = ReadInputByte(fileno(stream));
    return byte < 0 ? EOF : byte;
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
    // Before the line editor initialises (using_history does that).
    rl_catch_signals = 0;
    rl_getc_function = ReadKey;
    // With answers redirected to a file, the prompt and editing stay on the
    // terminal.
    if (!isatty(STDOUT_FILENO)) rl_outstream = stderr;
    using_history();

    std::string line;
    while (ReadEditedLine("quorvix> ", line)) {
        if (HasNonBlank(line)) add_history(line.c_str());
        if (!RunAndReport(session, line, std::cout, std::cerr)) break;
    }
    if (InterruptedWhileIdle()) std::cout << '\n';
    return FinishSession(session, std::cout, std::cerr);
}

}  // namespace quorvix
