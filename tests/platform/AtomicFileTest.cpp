// The shared whole-file reader and writer, and the advisory lock on files
// that a run will write.

#include "platform/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "TempDirectory.h"
#include "platform/FileLock.h"

namespace quorvix {
namespace {

namespace fs = std::filesystem;

std::string Read(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
}

mode_t Mode(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

int FileCount(const std::string& dir) {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++n;
    return n;
}

TEST(AtomicFileWrite, ReplacesWhatTheNameLeadsToAndKeepsItsMode) {
    TempDirectory dir;
    const std::string real = dir.path + "/real.qws";
    ASSERT_TRUE(WriteFileAtomically(real, "old"));
    ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
    // A chain of two links, one relative, one absolute.
    fs::create_symlink(real, dir.path + "/abs.qws");
    fs::create_symlink("abs.qws", dir.path + "/rel.qws");
    ASSERT_TRUE(WriteFileAtomically(dir.path + "/rel.qws", "new"));
    EXPECT_TRUE(fs::is_symlink(dir.path + "/rel.qws"));
    EXPECT_TRUE(fs::is_symlink(dir.path + "/abs.qws"));
    EXPECT_EQ(Read(real), "new");
    EXPECT_EQ(Mode(real), 0600u);
    // A second hard link still shares the new bytes.
    const std::string twin = dir.path + "/twin.qws";
    fs::create_hard_link(real, twin);
    ASSERT_TRUE(WriteFileAtomically(twin, "shared and longer"));
    EXPECT_EQ(Read(real), "shared and longer");
    ASSERT_TRUE(WriteFileAtomically(real, "short"));
    EXPECT_EQ(Read(twin), "short");
    EXPECT_EQ(fs::hard_link_count(real), 2u);
    // No temporary is left behind by any of it.
    EXPECT_EQ(FileCount(dir.path), 4);
}

TEST(AtomicFileWrite, RefusesWhatMustNotBeReplacedAndNamesIt) {
    TempDirectory dir;
    const std::string locked = dir.path + "/locked.qws";
    ASSERT_TRUE(WriteFileAtomically(locked, "keep"));
    ASSERT_EQ(::chmod(locked.c_str(), 0400), 0);
    fs::create_directory(dir.path + "/folder");
    ASSERT_EQ(::mkfifo((dir.path + "/fifo").c_str(), 0600), 0);
    const struct {
        std::string path;
        std::string named;
    } cases[] = {
        {locked, locked},
        {dir.path + "/folder", dir.path + "/folder"},
        {dir.path + "/fifo", dir.path + "/fifo"},
        {dir.path + "/no/such/dir.qws", dir.path + "/no/such/dir.qws"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(WriteFileAtomically(c.path, "new", &error)) << c.path;
        EXPECT_EQ(error.rfind(c.named + ": ", 0), 0u) << error;
    }
    EXPECT_EQ(Read(locked), "keep");
    EXPECT_EQ(Mode(locked), 0400u);
    EXPECT_EQ(FileCount(dir.path), 3);
}

TEST(AtomicFileRead, OddFilesAreUnreadableWithoutWaiting) {
    TempDirectory dir;
    const std::string fifo = dir.path + "/user.cst";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir.path + "/Recent.cnv");
    for (const std::string& path : {fifo, dir.path + "/Recent.cnv", dir.path}) {
        std::string bytes = "untouched";
        EXPECT_FALSE(ReadWholeFile(path, bytes)) << path;
        EXPECT_EQ(bytes, "untouched");
    }
}

TEST(FileLock, ASecondWriterFindsTheFileInUse) {
    TempDirectory dir;
    const std::string sheet = dir.path + "/sheet.qws";
    fs::create_symlink(sheet, dir.path + "/alias.qws");
    FileLock first;
    ASSERT_EQ(first.Acquire(sheet), FileLock::Result::Locked);
    EXPECT_EQ(first.lockPath(), sheet + ".lock");
    // Another name for the same file shares the lock.
    FileLock second;
    EXPECT_EQ(second.Acquire(dir.path + "/alias.qws"), FileLock::Result::InUse);
    EXPECT_FALSE(second.held());
    first.Release();
    EXPECT_FALSE(fs::exists(sheet + ".lock"));
    EXPECT_EQ(second.Acquire(sheet), FileLock::Result::Locked);
    // Nowhere to put the lock file: a failure, not "in use".
    FileLock nowhere;
    EXPECT_EQ(nowhere.Acquire(dir.path + "/no/such/dir.qws"), FileLock::Result::Failed);
    EXPECT_NE(nowhere.error().find("dir.qws.lock"), std::string::npos);
}

}  // namespace
}  // namespace quorvix
