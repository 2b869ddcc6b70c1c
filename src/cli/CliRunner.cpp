#include "cli/CliRunner.h"

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/CliInterrupts.h"
#include "cli/CliOptions.h"
#include "cli/CliPrompters.h"
#include "cli/CliSession.h"
#include "cli/CliStoredState.h"
#include "engine/Evaluator.h"

#ifndef QUORVIX_VERSION
#define QUORVIX_VERSION "unknown"
#endif

namespace quorvix {

namespace {

constexpr int kAllSucceeded = 0;
constexpr int kSomeFailed = 1;
constexpr int kBadUsage = 2;

// Lines from -e (each may hold several lines) or from a non-terminal stdin;
// no one is there to answer questions.
int RunBatch(const CliOptions& options) {
    InstallInterruptHandler(false);
    CliPrompter prompter(std::cerr);
    CliSession session(prompter);
    PrepareSession(session, options);

    if (!options.lines.empty()) {
        bool running = true;
        for (const std::string& argument : options.lines)
            for (const std::string& line : CliSession::SplitLines(argument))
                if (running) running = RunAndReport(session, line, std::cout, std::cerr);
        return FinishSession(session, std::cerr);
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!RunAndReport(session, line, std::cout, std::cerr)) break;
    }
    return FinishSession(session, std::cerr);
}

}  // namespace

void PrepareSession(CliSession& session, const CliOptions& options) {
    LoadStoredState(session, options);
    session.ApplyOptions(options);
}

int FinishSession(const CliSession& session, std::ostream& err) {
    if (!session.worksheetReadable()) {
        err << "quorvix-cli: the worksheet " << session.worksheetPath()
            << " could not be read completely and was left unchanged\n";
        return kSomeFailed;
    }
    if (!session.SaveWorksheet()) {
        err << "quorvix-cli: could not write the worksheet " << session.worksheetPath() << '\n';
        return kSomeFailed;
    }
    return session.anyFailed() ? kSomeFailed : kAllSucceeded;
}

bool RunAndReport(CliSession& session, const std::string& line, std::ostream& out,
                  std::ostream& err) {
    BeginLineEvaluation();
    const CliSession::LineResult result = session.RunLine(line);
    EndLineEvaluation();
    if (!result.ok) {
        err << result.error << '\n';
        err.flush();
    } else if (!result.output.empty()) {
        out << result.output << '\n';
        out.flush();
    }
    return !session.exitRequested();
}

int RunCli(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    const CliParseResult parsed = ParseCliArguments(arguments);
    switch (parsed.command) {
        case CliCommand::UsageError:
            std::cerr << "quorvix-cli: " << parsed.error << '\n'
                      << "Try 'quorvix-cli --help' for more information.\n";
            return kBadUsage;
        case CliCommand::Help:
            std::cout << CliUsageText();
            return kAllSucceeded;
        case CliCommand::Version:
            std::cout << "quorvix-cli " << QUORVIX_VERSION << '\n';
            return kAllSucceeded;
        case CliCommand::Run:
            break;
    }

    // Decimal and argument separators follow the user's locale.
    InitSeparatorsFromLocale();
    if (parsed.options.lines.empty() && isatty(STDIN_FILENO)) return RunInteractive(parsed.options);
    return RunBatch(parsed.options);
}

}  // namespace quorvix
