#include "CliTestSupport.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quorvix {

namespace {

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

}  // namespace

TempDir::TempDir() {
    char pattern[] = "/tmp/quorvix_cli_testXXXXXX";
    const char* made = mkdtemp(pattern);
    EXPECT_NE(made, nullptr);
    if (made != nullptr) path_ = made;
}

TempDir::~TempDir() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
}

ProgramRun RunCli(const std::vector<std::string>& arguments, const std::string& input,
                  const std::string& locale) {
    const TempDir scratch;
    const std::string errPath = scratch.File("stderr");
    const std::string inPath = scratch.File("stdin");
    WriteWholeFile(inPath, input);

    std::string command = "LC_ALL=" + Quote(locale) + " ";
    command += Quote(QUORVIX_CLI_BINARY);
    if (std::find(arguments.begin(), arguments.end(), "--data-dir") == arguments.end()) {
        command += " --data-dir ";
        command += Quote(scratch.File("data"));
    }
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
    run.err = ReadWholeFile(errPath);
    return run;
}

RunningCli::RunningCli(const std::vector<std::string>& arguments) {
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return;
    std::vector<char*> argv{const_cast<char*>(QUORVIX_CLI_BINARY)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        dup2(out[1], STDERR_FILENO);
        close(in[0]);
        close(in[1]);
        close(out[0]);
        close(out[1]);
        execv(QUORVIX_CLI_BINARY, argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    input_ = in[1];
    outputFd_ = out[0];
    EXPECT_GT(pid_, 0);
}

RunningCli::~RunningCli() {
    CloseInput();
    if (outputFd_ >= 0) close(outputFd_);
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

void RunningCli::Write(const std::string& text) {
    EXPECT_EQ(write(input_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
}

void RunningCli::CloseInput() {
    if (input_ >= 0) close(input_);
    input_ = -1;
}

// Reads what the program wrote, waiting at most kReadWaitMs for it, so a
// program that hangs fails its test instead of holding up the whole run.
bool RunningCli::ReadMore() {
    constexpr int kReadWaitMs = 60000;
    pollfd p{outputFd_, POLLIN, 0};
    if (poll(&p, 1, kReadWaitMs) <= 0) {
        ADD_FAILURE() << "quorvix-cli wrote nothing for a minute; output so far: " << output_;
        hung_ = true;
        return false;
    }
    char buffer[256];
    const ssize_t n = read(outputFd_, buffer, sizeof buffer);
    if (n <= 0) return false;
    output_.append(buffer, static_cast<std::size_t>(n));
    return true;
}

bool RunningCli::WaitForOutput(const std::string& text) {
    while (output_.find(text) == std::string::npos)
        if (!ReadMore()) return false;
    return true;
}

void RunningCli::Signal(int signal) { kill(pid_, signal); }

int RunningCli::Wait() {
    while (ReadMore()) {
    }
    // A hung program is ended here, and its status is that of the kill.
    if (hung_) kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace quorvix
