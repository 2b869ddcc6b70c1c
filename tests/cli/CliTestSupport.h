#pragma once
// Running the built quorvix-cli from tests, each run with its own fresh data
// directory unless the test gives one, so no test sees the user's settings.

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

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace quorvix
