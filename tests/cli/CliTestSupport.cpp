#include "CliTestSupport.h"

#include <gtest/gtest.h>
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

}  // namespace quorvix
