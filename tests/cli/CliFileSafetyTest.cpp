// The terminal calculator as a user (or a hostile input) drives it: runs that
// share a worksheet, Ctrl+C that ends a run, odd files, endless input lines,
// answers that cannot be written and data directories that do not exist.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "CliTestSupport.h"
#include "calculator/Worksheet.h"

namespace quorvix {
namespace {

// Runs a shell command line; its exit status, or -1.
int Shell(const std::string& command) {
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

const std::string kProgram = QUORVIX_CLI_BINARY;

// The arguments of a run that continues sheet, then the given ones.
std::vector<std::string> Continuing(const TempDir& dir, const std::string& sheet,
                                    std::vector<std::string> more = {}) {
    std::vector<std::string> arguments{"--data-dir", dir.path(), "--worksheet", sheet};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// A run that continues a worksheet, reading its lines from a pipe.
class ContinuedRunTest : public ::testing::Test {
protected:
    // Sends the lines; the first of them must answer 1.
    void Start(const std::string& lines) {
        run.Write(lines);
        ASSERT_TRUE(run.WaitForOutput("1\n"));
    }

    const TempDir dir;
    const std::string sheet = dir.File("sheet.qws");
    RunningCli run{Continuing(dir, sheet)};
};

TEST_F(ContinuedRunTest, ASecondRunOnTheBusyWorksheetFailsAtOnceAndTouchesNothing) {
    ASSERT_NO_FATAL_FAILURE(Start("A=1\n"));

    const ProgramRun second = RunCli(Continuing(dir, sheet, {"-e", "B=2"}));
    EXPECT_EQ(second.status, 1);
    EXPECT_EQ(second.out, "");
    EXPECT_NE(second.err.find("is in use"), std::string::npos) << second.err;
    EXPECT_FALSE(std::filesystem::exists(sheet));

    run.CloseInput();
    EXPECT_EQ(run.Wait(), 0);
    EXPECT_EQ(RunCli(Continuing(dir, sheet, {"-e", "B=2"})).status, 0);
    const DecodedWorksheet saved = DecodeWorksheet(ReadWholeFile(sheet));
    EXPECT_EQ(saved.variables,
              (std::vector<WorksheetVariable>{{"A", "1"}, {"B", "2"}}));
    EXPECT_FALSE(std::filesystem::exists(sheet + ".lock"));
}

TEST_F(ContinuedRunTest, CtrlCThatEndsTheRunSavesTheWorksheetFirst) {
    ASSERT_NO_FATAL_FAILURE(Start("A=1\nfsum(t,1,1E15)\n"));
    usleep(200000);
    run.Signal(SIGINT);  // cancels the long line
    usleep(20000);
    run.Signal(SIGINT);  // ends the run, whether that line still runs or not
    EXPECT_EQ(run.Wait(), 130);
    const DecodedWorksheet saved = DecodeWorksheet(ReadWholeFile(sheet));
    ASSERT_TRUE(saved.complete);
    EXPECT_EQ(saved.text.rfind("A=1 =\n1", 0), 0u) << saved.text;
    EXPECT_EQ(saved.variables, (std::vector<WorksheetVariable>{{"A", "1"}}));
}

TEST(CliFileSafetyTest, OddFilesInTheDataDirectoryAreSkippedWithoutWaiting) {
    const TempDir dir;
    for (const char* name : {"Quorvix.ini", "user.cst", "user.cnv", "user.fct", "Quorvix.qws"})
        ASSERT_EQ(mkfifo(dir.File(name).c_str(), 0600), 0) << name;
    const ProgramRun plain = RunCli({"--data-dir", dir.path(), "-e", "1+1"});
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.out, "2\n");
    const ProgramRun continued = RunCli(Continuing(dir, dir.File("Quorvix.qws"), {"-e", "1+1"}));
    EXPECT_EQ(continued.status, 1);
    EXPECT_NE(continued.err.find("could not be read completely"), std::string::npos);
    struct stat st {};
    ASSERT_EQ(stat(dir.File("Quorvix.qws").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST(CliFileSafetyTest, InputWithoutLineBreaksIsDiscardedNotKept) {
    const TempDir dir;
    // 100 MB on one line, with the program's data limited to 64 MB; then a
    // good line, and one that is too long only because of trailing blanks.
    const std::string command =
        "ulimit -d 65536; { head -c 100000000 /dev/zero | tr '\\0' 7; "
        "printf '\\n2+2\\n1%2000s\\n' ''; } | " +
        kProgram + " --data-dir " + dir.File("data") + " >" + dir.File("out") + " 2>" +
        dir.File("err");
    EXPECT_EQ(Shell(command), 1);
    EXPECT_EQ(ReadWholeFile(dir.File("out")), "4\n1\n");
    EXPECT_EQ(ReadWholeFile(dir.File("err")), "Error: Line too long (over 1000 characters)\n");
}

TEST(CliFileSafetyTest, AnswersThatCannotBeWrittenAreAFailure) {
    const TempDir dir;
    for (const char* arguments : {" -e 1+1", " --version"}) {
        const std::string command = kProgram + " --data-dir " + dir.File("data") + arguments +
                                    " >/dev/full 2>" + dir.File("err");
        EXPECT_EQ(Shell(command), 1) << arguments;
        EXPECT_NE(ReadWholeFile(dir.File("err")).find("could not write the answers"),
                  std::string::npos);
    }
}

TEST(CliFileSafetyTest, AMissingDataDirectoryIsNotCreatedByAReadingRun) {
    const TempDir dir;
    const ProgramRun run = RunCli({"--data-dir", dir.File("typo/data"), "-e", "1+1"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "2\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("typo")));
}

}  // namespace
}  // namespace quorvix
