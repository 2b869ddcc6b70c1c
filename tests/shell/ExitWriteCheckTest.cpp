#include <gtest/gtest.h>

#include <filesystem>
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

TEST(ExitWriteCheck, OnlyFilesWhoseFolderRefusesANewFileAreNamed) {
    const std::string folder = std::filesystem::temp_directory_path().string();
    const std::string missing = folder + "/quorvix-no-such-folder/Recent.cnv";
    const std::vector<UnwritableFile> found =
        FindUnwritableFiles({folder + "/Quorvix.ini", "", missing});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].path, missing);
    EXPECT_FALSE(found[0].reason.empty());

    EXPECT_EQ(UnwritableFilesMessage(found),
              "These files could not be saved; they keep what they held before:\n" + missing +
                  ": " + found[0].reason);
}

}  // namespace
}  // namespace quorvix
