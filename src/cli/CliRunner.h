#pragma once
// The whole quorvix-cli program, callable from main and from tests.

#include <iosfwd>
#include <string>

namespace quorvix {

class CliSession;
struct CliOptions;

int RunCli(int argc, char** argv);

// Sets up a session before its first line: stored state first, then the
// options given on the command line over it. A continued worksheet is saved
// before a Ctrl+C ends the program. False, with a message on err, when the
// run must not start: the worksheet is in use by another run.
bool PrepareSession(CliSession& session, const CliOptions& options, std::ostream& err);

// Ends a session: writes back a continued worksheet. Returns the exit
// status of the run (a worksheet that cannot be written, or answers that
// could not be written to out, are failures).
int FinishSession(const CliSession& session, std::ostream& out, std::ostream& err);

// Runs one line and writes its output or error; false once the session has
// been asked to exit.
bool RunAndReport(CliSession& session, const std::string& line, std::ostream& out,
                  std::ostream& err);

// The interactive prompt with line editing and history (a terminal on stdin).
int RunInteractive(const CliOptions& options);

}  // namespace quorvix
