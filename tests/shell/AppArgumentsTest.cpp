#include <gtest/gtest.h>

#include <filesystem>

#include "shell/AppArguments.h"

using namespace quorvix;

TEST(AppArguments, DataDirIsTakenOutBeforeTheFirstArgumentCounts) {
    struct Row {
        std::vector<std::string> args;
        std::string dataDir;
        std::string first;
        bool hidden;
    };
    const Row rows[] = {
        {{}, "", "", false},
        {{"/i"}, "", "/i", true},
        {{"/I"}, "", "/I", false},  // only a lower-case i
        {{"--data-dir", "/tmp/q"}, "/tmp/q", "", false},  // "--data-dir" has an i itself
        {{"--data-dir", "/tmp/q", "/i"}, "/tmp/q", "/i", true},
        {{"/i", "--data-dir", "/tmp/x"}, "/tmp/x", "/i", true},
        {{"--data-dir=/d", "run"}, "/d", "run", false},
        {{"--data-dir", "/ii"}, "/ii", "", false},  // the directory is not ARG
    };
    for (const Row& row : rows) {
        const AppArguments a = ParseAppArguments(row.args);
        EXPECT_TRUE(a.error.empty());
        EXPECT_EQ(a.dataDir, row.dataDir);
        EXPECT_EQ(a.first, row.first);
        EXPECT_EQ(a.startHidden, row.hidden) << row.first;
    }
}

TEST(AppArguments, RelativeDataDirIsMadeAbsolute) {
    const std::string here = std::filesystem::current_path().string();
    const struct {
        const char* given;
        std::string absolute;
    } rows[] = {
        {"d", here + "/d"},
        {"./d/", here + "/d"},
        {"../x//y", here + "/../x/y"},
        {"/abs/./q", "/abs/q"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ParseAppArguments(std::vector<std::string>{"--data-dir", row.given}).dataDir,
                  row.absolute);
    }
}

TEST(AppArguments, DataDirWithoutDirectoryIsAnError) {
    EXPECT_FALSE(ParseAppArguments(std::vector<std::string>{"--data-dir"}).error.empty());
    EXPECT_FALSE(ParseAppArguments(std::vector<std::string>{"--data-dir="}).error.empty());
}
