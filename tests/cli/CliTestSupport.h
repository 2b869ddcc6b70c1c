#pragma once
// Running the built quorvix-cli from tests, each run with its own fresh data
// directory unless the test gives one, so no test sees the user's settings.

#include <sys/types.h>

#include <string>
#include <vector>

namespace quorvix {

// A fresh directory under /tmp, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the program with the arguments under the given locale (C unless
// told); stdin is the given text.
ProgramRun RunCli(const std::vector<std::string>& arguments, const std::string& input = "",
                  const std::string& locale = "C");

// The program running in the background with a pipe on stdin and one on
// stdout (stderr goes to the same pipe); the arguments come after the
// program name as given.
class RunningCli {
public:
    explicit RunningCli(const std::vector<std::string>& arguments);
    ~RunningCli();
    RunningCli(const RunningCli&) = delete;
    RunningCli& operator=(const RunningCli&) = delete;

    void Write(const std::string& text);
    void CloseInput();
    // Reads the output until it holds text (true) or the output ends.
    bool WaitForOutput(const std::string& text);
    void Signal(int signal);
    // The exit status, or -1 when the program did not exit normally.
    int Wait();
    const std::string& output() const { return output_; }

private:
    bool ReadMore();

    pid_t pid_ = -1;
    int input_ = -1;
    int outputFd_ = -1;
    std::string output_;
    bool hung_ = false;
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace quorvix
