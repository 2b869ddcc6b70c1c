#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "shell/ExitWriteCheck.h"

namespace quorvix {
namespace {

TEST(ExitWriteCheck, FailedWriteErrorsSplitIntoFileAndReason) {
    struct Row {
        std::string error;
        std::string path;
        std::string reason;
    };
    const std::vector<Row> rows = {
        {"/home/u/Quorvix.qws: Permission denied", "/home/u/Quorvix.qws", "Permission denied"},
        // A file name holding ": " keeps it; the reason never does.
        {"/tmp/a: b.qws: No space left on device", "/tmp/a: b.qws", "No space left on device"},
        {"just a file", "just a file", "could not be written"},
    };
    for (const Row& row : rows) {
        const UnwritableFile file = UnwritableFileFromError(row.error);
        EXPECT_EQ(file.path, row.path) << row.error;
        EXPECT_EQ(file.reason, row.reason) << row.error;
    }
}

// Each file is checked as the writer would write it: a read-only file in a
// writable folder is named as much as a file whose folder is missing.
TEST(ExitWriteCheck, EachFileIsCheckedNotOnlyItsFolder) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "quorvix-exit-check";
    fs::remove_all(folder);
    fs::create_directories(folder / "user.fct");
    const auto make = [&](const char* name, fs::perms perms) {
        std::ofstream(folder / name) << "x";
        fs::permissions(folder / name, perms);
    };
    make("Recent.cnv", fs::perms::owner_read | fs::perms::owner_write);
    make("Quorvix.ini", fs::perms::owner_read | fs::perms::group_read);
    make("user.cst", fs::perms::owner_read);
    struct Row {
        std::string path;
        bool named;
    };
    const std::vector<Row> rows = {
        {(folder / "Recent.cnv").string(), false},
        {(folder / "user.cnv").string(), false},  // not there yet: made anew
        {(folder / "Quorvix.ini").string(), true},
        {(folder / "user.cst").string(), true},
        {(folder / "user.fct").string(), true},  // a folder in its place
        {(folder / "no-such-folder" / "Quorvix.qws").string(), true},
        {"", false},
    };
    std::vector<std::string> paths;
    for (const Row& row : rows) paths.push_back(row.path);
    paths.push_back(rows[2].path);  // named once only
    const std::vector<UnwritableFile> found = FindUnwritableFiles(paths);
    std::vector<std::string> named;
    for (const UnwritableFile& file : found) {
        named.push_back(file.path);
        EXPECT_FALSE(file.reason.empty()) << file.path;
    }
    std::vector<std::string> expected;
    for (const Row& row : rows)
        if (row.named) expected.push_back(row.path);
    EXPECT_EQ(named, expected);

    EXPECT_EQ(UnwritableFilesMessage({found[0]}),
              "These files could not be saved; they keep what they held before:\n" +
                  found[0].path + ": " + found[0].reason);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace quorvix
