// Runs the built quorvix-cli as a user would and checks its output streams
// and exit status.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace quorvix {
namespace {

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

// Runs the program with the arguments; stdin is the given text (empty: no
// input at all).
ProgramRun RunCli(const std::vector<std::string>& arguments, const std::string& input = "") {
    char errPath[] = "/tmp/quorvix_cli_errXXXXXX";
    const int errFd = mkstemp(errPath);
    EXPECT_GE(errFd, 0);
    close(errFd);
    char inPath[] = "/tmp/quorvix_cli_inXXXXXX";
    const int inFd = mkstemp(inPath);
    EXPECT_GE(inFd, 0);
    EXPECT_EQ(write(inFd, input.data(), input.size()), static_cast<ssize_t>(input.size()));
    close(inFd);

    std::string command = "LC_ALL=C ";
    command += Quote(QUORVIX_CLI_BINARY);
    for (const std::string& argument : arguments) {
        command += ' ';
        command += Quote(argument);
    }
    command += " <";
    command += Quote(inPath);
    command += " 2>";
    command += Quote(errPath);

    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream errFile(errPath);
    std::stringstream err;
    err << errFile.rdbuf();
    run.err = err.str();
    unlink(errPath);
    unlink(inPath);
    return run;
}

TEST(CliProgramTest, AnswersOnStdoutWithoutEchoOrEquals) {
    const ProgramRun r = RunCli({"-e", "2+3", "-e", "A=2", "-e", "B=A*3"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "5\n2\n6\n");
    EXPECT_EQ(r.err, "");
}

TEST(CliProgramTest, MinusEWithALeadingMinusUsesTheLastAnswer) {
    const ProgramRun r = RunCli({"-e", "10", "-e", "-3"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "10\n7\n");
}

TEST(CliProgramTest, FailuresGoToStderrAndSetStatusOne) {
    ProgramRun r = RunCli({"-e", "1+(2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Syntax error: Unbalanced parenthesis\n");

    r = RunCli({"-e", "ln(-1)", "-e", "4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "4\n");
    EXPECT_EQ(r.err, "Error: Bad argument\n");

    r = RunCli({"-e", "ans = 3"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Invalid variable name\n");
}

TEST(CliProgramTest, CommandsWithoutAQuestion) {
    const ProgramRun r = RunCli({"-e", "x=1", "-e", "SV", "-e", "CLEARVARS", "-e", "sv", "-e", "'note"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1\nx = 1\nVariable list cleared\nEmpty variable list\n");
    EXPECT_EQ(r.err, "");
}

TEST(CliProgramTest, ExitEndsTheRun) {
    ProgramRun r = RunCli({"-e", "1", "-e", "EXIT", "-e", "2"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1\n");
    r = RunCli({}, "1+(\noff\n5\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
}

TEST(CliProgramTest, LinesFromStdin) {
    const ProgramRun r = RunCli({}, "6*7\r\n\n-2\nhex(255)\n1/0\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "42\n40\nff\n");
    EXPECT_EQ(r.err, "Error: Bad argument\n");
    // -e lines take the place of stdin.
    EXPECT_EQ(RunCli({"-e", "1"}, "2\n").out, "1\n");
    // A -e argument with line breaks is several lines.
    EXPECT_EQ(RunCli({"-e", "1\n2"}).out, "1\n2\n");
}

TEST(CliProgramTest, SettingsOptions) {
    EXPECT_EQ(RunCli({"--base", "16", "-e", "#FF+1", "-e", "-1", "-e", "0-1"}).out,
              "100\nFF\nFFFFFFFF\n");
    EXPECT_EQ(RunCli({"--angle", "deg", "-e", "sin(30)"}).out, "0.5\n");
    EXPECT_EQ(RunCli({"--angle", "grad", "-e", "cos(200)"}).out, "-1\n");
    EXPECT_EQ(RunCli({"-e", "sin(pi/2)"}).out, "1\n");
    EXPECT_EQ(RunCli({"--format", "scientific", "--digits", "3", "-e", "1234"}).out,
              "1.23E+003\n");
    EXPECT_EQ(RunCli({"--digits", "0", "-e", "sqrt(2)"}).out, "1.4142135623731\n");
    EXPECT_EQ(RunCli({"-e", "123456789012"}).out, "1.23456789E+011\n");
    EXPECT_EQ(RunCli({"--base", "16", "-e", "#1FF/2"}).out,
              "FF  (Warning: truncated from decimal number 255.5)\n");
}

TEST(CliProgramTest, UsageErrorsHelpAndVersion) {
    ProgramRun r = RunCli({"--bogus", "-e", "1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("--bogus"), std::string::npos);

    EXPECT_EQ(RunCli({"--base", "40", "-e", "1"}).status, 2);
    EXPECT_EQ(RunCli({"-e"}).status, 2);

    r = RunCli({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Usage: quorvix-cli", 0), 0u);

    r = RunCli({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("quorvix-cli ", 0), 0u);
}

TEST(CliProgramTest, InterruptCancelsTheRunningLineAndTheRunGoesOn) {
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(out[1], STDERR_FILENO);
        close(out[0]);
        execl(QUORVIX_CLI_BINARY, QUORVIX_CLI_BINARY, "-e", "fsum(t,1,1E15)", "-e", "2+2",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    usleep(300000);
    kill(pid, SIGINT);
    std::string text;
    char buffer[256];
    ssize_t n = 0;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(text, "Error: Evaluation cancelled\n4\n");
}

TEST(CliProgramTest, DataDirIsAccepted) {
    char dir[] = "/tmp/quorvix_cli_dataXXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const ProgramRun r = RunCli({"--data-dir", dir, "-e", "2^10"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1024\n");
    std::system(("rm -rf " + Quote(dir)).c_str());
}

}  // namespace
}  // namespace quorvix
