#include "cli/CliRunner.h"

#include <unistd.h>

#include <chrono>
#include <iostream>
#include <mutex>
#include <string>
#include <vector>

#include "cli/BoundedLineReader.h"
#include "cli/CliInterrupts.h"
#include "cli/CliLocale.h"
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

// Held while a line runs and while the worksheet is saved. Ctrl+C saves on
// a thread of its own; without this it could read the session while the
// cancelled line is still writing its error into it.
std::timed_mutex sessionInUse;
// How long a save at Ctrl+C waits for a line that does not stop.
constexpr std::chrono::seconds kSaveWait{5};

// The status after writing to out: a failed write (a full disk, a closed
// pipe) is a failure and says so on err.
int ReportOutputFailure(std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) return kAllSucceeded;
    err << "quorvix-cli: could not write the answers to standard output\n";
    return kSomeFailed;
}

// Lines from -e (each may hold several lines) or from a non-terminal stdin;
// no one is there to answer questions.
int RunBatch(const CliOptions& options) {
    InstallInterruptHandler(false);
    CliPrompter prompter(std::cerr);
    CliSession session(prompter);
    if (!PrepareSession(session, options, std::cerr)) return kSomeFailed;

    if (!options.lines.empty()) {
        bool running = true;
        for (const std::string& argument : options.lines)
            for (const std::string& line : CliSession::SplitLines(argument))
                if (running) running = RunAndReport(session, line, std::cout, std::cerr);
        return FinishSession(session, std::cout, std::cerr);
    }
    // Longer lines are refused anyway, so no more than that is kept.
    BoundedLineReader input(STDIN_FILENO, CalculatorDialog::kLineReadLimit);
    std::string line;
    while (input.ReadLine(line)) {
        if (!RunAndReport(session, line, std::cout, std::cerr)) break;
    }
    return FinishSession(session, std::cout, std::cerr);
}

}  // namespace

bool PrepareSession(CliSession& session, const CliOptions& options, std::ostream& err) {
    LoadStoredState(session, options);
    session.ApplyOptions(options);
    if (session.worksheetInUse()) {
        err << "quorvix-cli: the worksheet " << session.worksheetPath()
            << " is in use by another run; it was left unchanged\n";
        return false;
    }
    if (session.continuesWorksheet() && session.worksheetReadable()) {
        SaveBeforeInterruptExit([&session] {
            std::unique_lock<std::timed_mutex> guard(sessionInUse, kSaveWait);
            if (!guard.owns_lock()) {
                std::cerr << "quorvix-cli: a line was still running; the worksheet "
                          << session.worksheetPath() << " was left unchanged" << std::endl;
                return;
            }
            std::string error;
            if (!session.SaveWorksheet(&error))
                std::cerr << "quorvix-cli: could not write the worksheet " << error << std::endl;
        });
    }
    return true;
}

int FinishSession(const CliSession& session, std::ostream& out, std::ostream& err) {
    int status = session.anyFailed() ? kSomeFailed : kAllSucceeded;
    std::string error;
    if (!session.worksheetReadable()) {
        err << "quorvix-cli: the worksheet " << session.worksheetPath()
            << " could not be read completely and was left unchanged\n";
        status = kSomeFailed;
    } else {
        // Released before saving is stopped: a Ctrl+C save holds the saving
        // gate and then waits for this lock.
        std::unique_lock<std::timed_mutex> guard(sessionInUse);
        const bool saved = session.SaveWorksheet(&error);
        guard.unlock();
        if (!saved) {
            err << "quorvix-cli: could not write the worksheet " << error << '\n';
            status = kSomeFailed;
        }
    }
    StopSavingBeforeInterruptExit();
    if (ReportOutputFailure(out, err) != kAllSucceeded) status = kSomeFailed;
    return status;
}

bool RunAndReport(CliSession& session, const std::string& line, std::ostream& out,
                  std::ostream& err) {
    std::unique_lock<std::timed_mutex> guard(sessionInUse);
    BeginLineEvaluation();
    const CliSession::LineResult result = session.RunLine(line);
    EndLineEvaluation();
    guard.unlock();
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
            return ReportOutputFailure(std::cout, std::cerr);
        case CliCommand::Version:
            std::cout << "quorvix-cli " << QUORVIX_VERSION << '\n';
            return ReportOutputFailure(std::cout, std::cerr);
        case CliCommand::Run:
            break;
    }

    // Decimal and argument separators follow the user's locale.
    const bool interactive = parsed.options.lines.empty() && isatty(STDIN_FILENO);
    AdoptLocale(interactive);
    if (interactive) return RunInteractive(parsed.options);
    return RunBatch(parsed.options);
}

}  // namespace quorvix
