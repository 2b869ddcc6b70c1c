#include <gtest/gtest.h>

#include <filesystem>

#include "TempDirectory.h"

#include "platform/Locations.h"
#include "platform/qt/QtLocations.h"
#include "platform/qt/XdgAutostart.h"

namespace quorvix {
namespace {

struct AutostartFixture : ::testing::Test {
    std::string Entry() const { return ReadTextFile(dir + "/autostart/quorvix.desktop"); }
    TempDirectory temp;
    std::string dir = temp.path;
};

TEST_F(AutostartFixture, DataDirectoryEntryStartsTheProgramHidden) {
    XdgAutostart autostart(dir);
    EXPECT_EQ(autostart.EntryPath(), dir + "/autostart/quorvix.desktop");
    ASSERT_TRUE(autostart.Register("/usr/bin/quorvix", "/i"));
    const std::string entry = Entry();
    EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(entry.find("\nType=Application\n"), std::string::npos);
    EXPECT_NE(entry.find("\nExec=/usr/bin/quorvix /i\n"), std::string::npos);
    EXPECT_NE(entry.find("\nIcon=com.daltrane.Quorvix\n"), std::string::npos);
    EXPECT_TRUE(autostart.Unregister());
    EXPECT_FALSE(std::filesystem::exists(autostart.EntryPath()));
    EXPECT_TRUE(autostart.Unregister());  // nothing left to remove is fine
}

TEST(DesktopExecLine, QuotesAndEscapesReservedCharacters) {
    EXPECT_EQ(DesktopExecLine("/usr/bin/quorvix", "/i"), "/usr/bin/quorvix /i");
    // Inside quotes a '$' is escaped, and the value escapes each backslash again.
    EXPECT_EQ(DesktopExecLine("/home/a b/$q", "/i"), "\"/home/a b/\\\\$q\" /i");
    EXPECT_EQ(DesktopExecLine("/opt/100%/q", "/i"), "/opt/100%%/q /i");
    EXPECT_EQ(DesktopExecLine("/bad\npath", "/i"), "");
}

TEST_F(AutostartFixture, PathsThatCannotBeWrittenAreRefused) {
    XdgAutostart autostart(dir);
    EXPECT_FALSE(autostart.Register("/bad\npath", "/i"));
    EXPECT_FALSE(std::filesystem::exists(autostart.EntryPath()));
}

TEST_F(AutostartFixture, DataDirectoryIsTheProgramDirectory) {
    QtLocations locations(dir + "/sub/");
    EXPECT_EQ(locations.ProgramDirectory(), dir + "/sub");
    EXPECT_TRUE(std::filesystem::is_directory(dir + "/sub"));
    EXPECT_EQ(JoinPath(locations.ProgramDirectory(), "user.cst"), dir + "/sub/user.cst");
    EXPECT_EQ(JoinPath("", "a.qws"), "a.qws");
    EXPECT_EQ(JoinPath("/x/", "a.qws"), "/x/a.qws");
    EXPECT_FALSE(locations.ProgramPath().empty());
}

}  // namespace
}  // namespace quorvix
