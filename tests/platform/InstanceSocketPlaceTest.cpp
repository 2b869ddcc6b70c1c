#include "platform/InstanceSocketPlace.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TempDirectory.h"

namespace quorvix {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
            hadOld_ = true;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() { hadOld_ ? ::setenv(name_, old_.c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::string old_;
    bool hadOld_ = false;
};

int ModeOf(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
}

TEST(InstanceSocketPlace, PrivateRuntimeFolderOrAPrivateFallback) {
    TempDirectory dir;
    const std::string runtime = dir.path + "/run";
    const std::string tmp = dir.path + "/tmp";
    ASSERT_EQ(::mkdir(runtime.c_str(), 0700), 0);
    ASSERT_EQ(::mkdir(tmp.c_str(), 0777), 0);
    const std::string fallback = tmp + "/quorvix-" + std::to_string(::geteuid());
    ScopedVariable tmpdir("TMPDIR", tmp);
    {
        ScopedVariable xdg("XDG_RUNTIME_DIR", runtime);
        EXPECT_EQ(InstanceSocketDirectory(), runtime);
    }
    // A runtime folder open to others is passed over, not changed; the
    // fallback is made private.
    ASSERT_EQ(::chmod(runtime.c_str(), 0755), 0);
    {
        ScopedVariable xdg("XDG_RUNTIME_DIR", runtime);
        EXPECT_EQ(InstanceSocketDirectory(), fallback);
        EXPECT_EQ(ModeOf(runtime), 0755);
        EXPECT_EQ(ModeOf(fallback), 0700);
    }
    // An existing fallback of ours that others could enter is closed.
    ASSERT_EQ(::chmod(fallback.c_str(), 0777), 0);
    ScopedVariable xdg("XDG_RUNTIME_DIR", "");
    EXPECT_EQ(InstanceSocketDirectory(), fallback);
    EXPECT_EQ(ModeOf(fallback), 0700);
    // A link or a file in its place is refused, with the reason.
    ASSERT_EQ(::rmdir(fallback.c_str()), 0);
    ASSERT_EQ(::symlink(runtime.c_str(), fallback.c_str()), 0);
    std::string problem;
    EXPECT_EQ(InstanceSocketDirectory(&problem), "");
    EXPECT_NE(problem.find("not a folder"), std::string::npos) << problem;
    ::unlink(fallback.c_str());
}

TEST(InstanceSocketPlace, PeersOfThisUserAreRecognised) {
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    EXPECT_TRUE(SocketPeerIsThisUser(pair[0]));
    ::close(pair[0]);
    ::close(pair[1]);
    EXPECT_FALSE(SocketPeerIsThisUser(-1));
}

}  // namespace
}  // namespace quorvix
