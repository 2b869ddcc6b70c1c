// Drives the interactive prompt through a pseudo-terminal, as a user at a
// terminal would: typed lines, the Yes/No question, Ctrl+C and Ctrl+D.

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "CliTestSupport.h"

namespace quorvix {
namespace {

class Terminal {
public:
    Terminal() {
        pid_ = forkpty(&fd_, nullptr, nullptr, nullptr);
        if (pid_ == 0) {
            setenv("LC_ALL", "C", 1);
            setenv("TERM", "dumb", 1);
            execl(QUORVIX_CLI_BINARY, QUORVIX_CLI_BINARY, "--data-dir", dataDir_.path().c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Terminal() {
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (fd_ >= 0) close(fd_);
    }
    bool started() const { return pid_ > 0 && fd_ >= 0; }

    void Type(const std::string& keys) {
        ASSERT_EQ(write(fd_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }

    // Reads until the output so far contains the text, or a few seconds pass.
    bool WaitFor(const std::string& text) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (output_.find(text, seen_) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline || !ReadSome()) return false;
        }
        seen_ = output_.find(text, seen_) + text.size();
        return true;
    }

    // The exit status, waiting at most a few seconds; -1 if still running.
    int WaitForExit() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            // After the program closes the terminal, reads fail at once.
            if (!ReadSome(50)) usleep(20000);
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
        }
        return -1;
    }

    const std::string& output() const { return output_; }

private:
    bool ReadSome(int timeoutMs = 200) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, timeoutMs) <= 0) return true;
        char buffer[1024];
        const ssize_t n = read(fd_, buffer, sizeof buffer);
        if (n <= 0) return false;
        output_.append(buffer, static_cast<std::size_t>(n));
        return true;
    }

    const TempDir dataDir_;
    int fd_ = -1;
    pid_t pid_ = -1;
    bool exited_ = false;
    std::string output_;
    std::size_t seen_ = 0;
};

// Waits for the prompt, then types the line and Enter.
bool AtPrompt(Terminal& t, const std::string& line) {
    if (!t.WaitFor("quorvix> ")) return false;
    t.Type(line + "\r");
    return true;
}

TEST(CliInteractiveTest, PromptAnswersAndEndOfInput) {
    Terminal t;
    if (!t.started()) GTEST_SKIP() << "no pseudo-terminal available";
    ASSERT_TRUE(AtPrompt(t, "6*7"));
    EXPECT_TRUE(t.WaitFor("42"));
    ASSERT_TRUE(AtPrompt(t, "-2"));
    EXPECT_TRUE(t.WaitFor("40"));
    ASSERT_TRUE(AtPrompt(t, "1+("));
    EXPECT_TRUE(t.WaitFor("Syntax error: "));
    ASSERT_TRUE(t.WaitFor("quorvix> "));
    // The editor shows the prompt before it takes the terminal out of line
    // mode; a Ctrl+D typed ahead of that is the line discipline's, not ours.
    usleep(200000);
    t.Type("\x04");  // Ctrl+D
    EXPECT_EQ(t.WaitForExit(), 1) << t.output();
}

TEST(CliInteractiveTest, ClearVariablesAsksAtThePrompt) {
    Terminal t;
    if (!t.started()) GTEST_SKIP() << "no pseudo-terminal available";
    ASSERT_TRUE(AtPrompt(t, "A=5"));
    ASSERT_TRUE(AtPrompt(t, "CV"));
    ASSERT_TRUE(t.WaitFor("This will delete all the variables (if any) defined so far.  Proceed?"));
    ASSERT_TRUE(t.WaitFor("(y/n) "));
    t.Type("n\r");
    ASSERT_TRUE(AtPrompt(t, "SV"));
    EXPECT_TRUE(t.WaitFor("A = 5"));
    ASSERT_TRUE(AtPrompt(t, "CV"));
    ASSERT_TRUE(t.WaitFor("(y/n) "));
    t.Type("y\r");
    EXPECT_TRUE(t.WaitFor("Variable list cleared"));
    ASSERT_TRUE(AtPrompt(t, "EXIT"));
    EXPECT_EQ(t.WaitForExit(), 0) << t.output();
}

TEST(CliInteractiveTest, CtrlCAtThePromptQuits) {
    Terminal t;
    if (!t.started()) GTEST_SKIP() << "no pseudo-terminal available";
    ASSERT_TRUE(AtPrompt(t, "1+1"));
    ASSERT_TRUE(t.WaitFor("quorvix> "));
    t.Type("\x03");  // Ctrl+C
    EXPECT_EQ(t.WaitForExit(), 0) << t.output();
}

TEST(CliInteractiveTest, CtrlCCancelsALongLineAndThePromptComesBack) {
    Terminal t;
    if (!t.started()) GTEST_SKIP() << "no pseudo-terminal available";
    ASSERT_TRUE(AtPrompt(t, "fsum(t,1,1E15)"));
    usleep(300000);
    t.Type("\x03");
    EXPECT_TRUE(t.WaitFor("Error: Evaluation cancelled")) << t.output();
    ASSERT_TRUE(AtPrompt(t, "2+2"));
    EXPECT_TRUE(t.WaitFor("4"));
    ASSERT_TRUE(t.WaitFor("quorvix> "));
    t.Type("\x03");
    EXPECT_EQ(t.WaitForExit(), 1) << t.output();
}

TEST(CliInteractiveTest, TabCompletesNamesAndHelpAndQuitAreUnderstood) {
    Terminal t;
    if (!t.started()) GTEST_SKIP() << "no pseudo-terminal available";
    ASSERT_TRUE(AtPrompt(t, "Width=3"));
    ASSERT_TRUE(t.WaitFor("quorvix> "));
    usleep(200000);  // the editor takes the terminal out of line mode first
    t.Type("2*wid\t+dawso\t0)\r");  // a variable, then a function with its "("
    EXPECT_TRUE(t.WaitFor("2*Width+Dawson(0)"));
    EXPECT_TRUE(t.WaitFor("6"));
    ASSERT_TRUE(AtPrompt(t, " Help "));
    EXPECT_TRUE(t.WaitFor("QUIT, EXIT"));
    ASSERT_TRUE(AtPrompt(t, "qUiT"));
    EXPECT_EQ(t.WaitForExit(), 0) << t.output();
}

}  // namespace
}  // namespace quorvix
