// Runs the built quorvix-cli as a user would and checks its output streams
// and exit status.

#include <gtest/gtest.h>

#include <clocale>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "CliTestSupport.h"

namespace quorvix {
namespace {

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
    const TempDir dataDir;
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(out[1], STDERR_FILENO);
        close(out[0]);
        execl(QUORVIX_CLI_BINARY, QUORVIX_CLI_BINARY, "--data-dir", dataDir.path().c_str(), "-e",
              "fsum(t,1,1E15)", "-e", "2+2", static_cast<char*>(nullptr));
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

}  // namespace

TEST(CliProgramTest, ADecimalCommaLocaleSwitchesBothSeparators) {
    const char* const locale = "de_DE.UTF-8";
    if (std::setlocale(LC_NUMERIC, locale) == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale";
    std::setlocale(LC_NUMERIC, "C");
    const ProgramRun run = RunCli({"-e", "SUM(1,5;2)", "-e", "A=2,5", "-e", "SV"}, "", locale);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "3,5\n2,5\nA = 2,5\n");
}

}  // namespace quorvix
