#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "TempDirectory.h"

#include "platform/MemorySettingsStore.h"
#include "platform/qt/QtSettingsStore.h"

namespace quorvix {
namespace {

TEST(MemorySettingsStore, TypesAreKeptApart) {
    MemorySettingsStore store;
    store.WriteInt("Options", "Mode", 2);
    store.WriteString("Options", "DisplayFile", "a.qws");
    EXPECT_EQ(store.ReadInt("Options", "Mode"), 2);
    EXPECT_FALSE(store.ReadString("Options", "Mode"));
    EXPECT_FALSE(store.ReadInt("Options", "DisplayFile"));
    EXPECT_FALSE(store.ReadInt("Keypad", "Mode"));  // keys are separate
    store.Remove("Options", "Mode");
    EXPECT_FALSE(store.Has("Options", "Mode"));
    EXPECT_EQ(store.writeLog.size(), 3u);
}

TEST(QtSettingsStore, ValuesLiveInQuorvixIniInsideTheDataDirectory) {
    TempDirectory dir;
    {
        QtSettingsStore store(dir.path);
        EXPECT_EQ(store.FileName(), dir.path + "/Quorvix.ini");
        store.WriteInt("Options", "Mode", 1);
        store.WriteInt("Display", "ForeColor", static_cast<std::int32_t>(0xF2FFFFFFu));
        store.WriteString("Options", "DisplayFile", "/x/y, z.qws");
        store.WriteString("CustomKeys", "Key3", "=");
    }
    const std::string ini = ReadTextFile(dir.path + "/Quorvix.ini");
    EXPECT_NE(ini.find("[Options]"), std::string::npos);
    EXPECT_NE(ini.find("[Display]"), std::string::npos);
    EXPECT_NE(ini.find("[CustomKeys]"), std::string::npos);
    EXPECT_NE(ini.find("Mode=1"), std::string::npos);

    QtSettingsStore again(dir.path);
    EXPECT_EQ(again.ReadInt("Options", "Mode"), 1);
    EXPECT_EQ(again.ReadInt("Display", "ForeColor"), static_cast<std::int32_t>(0xF2FFFFFFu));
    EXPECT_EQ(again.ReadString("Options", "DisplayFile"), "/x/y, z.qws");
    EXPECT_EQ(again.ReadString("CustomKeys", "Key3"), "=");
    EXPECT_FALSE(again.ReadInt("Options", "Missing"));
    again.Remove("Options", "Mode");
    EXPECT_FALSE(again.ReadInt("Options", "Mode"));
}

TEST(QtSettingsStore, HandEditedValuesOutsideTheRangeAreUnreadable) {
    TempDirectory dir;
    {
        std::ofstream ini(dir.path + "/Quorvix.ini");
        ini << "[Options]\nMode=abc\nAngleUnit=0x2\nNumberBase=010\nWidth=99999999999\nHeight=4294967295\n"
               "DisplayFile=a, b\n";
    }
    QtSettingsStore store(dir.path);
    EXPECT_FALSE(store.ReadInt("Options", "Mode"));
    EXPECT_EQ(store.ReadInt("Options", "AngleUnit"), 2);
    EXPECT_EQ(store.ReadInt("Options", "NumberBase"), 10);  // not octal
    EXPECT_FALSE(store.ReadInt("Options", "Width"));
    EXPECT_EQ(store.ReadInt("Options", "Height"), -1);
    EXPECT_EQ(store.ReadString("Options", "DisplayFile"), "a, b");
}

TEST(QtSettingsStore, AnOddFileIsSkippedAndALinkedOneWrittenInPlace) {
    TempDirectory dir;
    const std::string ini = dir.path + "/Quorvix.ini";
    ASSERT_EQ(::mkfifo(ini.c_str(), 0600), 0);
    {
        // Would wait for a writer forever if the FIFO were opened.
        QtSettingsStore store(dir.path);
        EXPECT_FALSE(store.ReadInt("Options", "Mode"));
        store.WriteInt("Options", "Mode", 1);
    }
    EXPECT_FALSE(std::filesystem::is_regular_file(ini));

    // A private file behind a link stays private and linked.
    std::filesystem::remove(ini);
    const std::string real = dir.path + "/real.ini";
    { std::ofstream(real) << "[Options]\nMode=2\n"; }
    ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
    std::filesystem::create_symlink(real, ini);
    {
        QtSettingsStore store(dir.path);
        EXPECT_EQ(store.ReadInt("Options", "Mode"), 2);
        store.WriteInt("Options", "Mode", 1);
    }
    EXPECT_TRUE(std::filesystem::is_symlink(ini));
    EXPECT_NE(ReadTextFile(real).find("Mode=1"), std::string::npos);
    struct stat st {};
    ::stat(real.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

}  // namespace
}  // namespace quorvix
