// The terminal program's INI reader against the real QSettings: what the
// window's store writes must read back the same, and hand-edited files must
// read as QSettings reads them.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QByteArray>
#include <QRect>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "TempDirectory.h"

#include "platform/IniSettingsStore.h"
#include "platform/XdgLocations.h"
#include "platform/XdgPaths.h"
#include "platform/qt/QtSettingsStore.h"

namespace quorvix {
namespace {

void WriteFile(const std::string& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary);
    out << contents;
}

TEST(IniSettingsStore, ReadsBackWhatQSettingsWrites) {
    TempDirectory dir;
    const std::vector<std::string> texts = {"",
                                            "Quorvix.qws",
                                            "/x/y, z.qws",
                                            "a,b",
                                            "semi;colon",
                                            "x=y",
                                            "  lead and trail  ",
                                            "quote\"d",
                                            "back\\slash",
                                            "tab\there",
                                            "line\nbreak\r\n",
                                            "@at start",
                                            "@@two",
                                            "@String(x)",
                                            "MS Sans Serif",
                                            "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80",
                                            "\x01\x1F\x7F",
                                            "ends with \\",
                                            "\"",
                                            ",",
                                            std::string("nul\0inside", 10),
                                            "\\x41",
                                            "%41"};
    const std::vector<std::int32_t> numbers = {
        0, 1, -1, 10, 0xFF0000, 0x7FFFFFFF, INT32_MIN, static_cast<std::int32_t>(0xF2FFFFFFu)};
    const std::vector<std::string> names = {"Key0",        "Font Face", "odd%name", "a=b",         "semi;",
                                            "caf\xC3\xA9", "[x]",       "quo\"te",  "\xE2\x82\xAC"};
    {
        QtSettingsStore qt(dir.path);
        for (std::size_t i = 0; i < texts.size(); ++i)
            qt.WriteString("Options", "Text" + std::to_string(i), texts[i]);
        for (std::size_t i = 0; i < numbers.size(); ++i)
            qt.WriteInt("Display", "Number" + std::to_string(i), numbers[i]);
        for (const std::string& name : names) qt.WriteString("CustomKeys", name, name);
        qt.WriteInt("General", "Width", 640);
        qt.WriteInt("Odd Group;", "Height", 480);
    }
    {
        // Values of other types that a window might keep beside ours.
        QSettings other(QString::fromStdString(dir.path + "/Quorvix.ini"), QSettings::IniFormat);
        other.setValue("Window/Geometry", QByteArray("\x01\xFF@ab,c", 7));
        other.setValue("Window/Box", QRect(1, 2, 3, 4));
        other.setValue("Window/Flag", true);
        other.setValue("Window/Names", QStringList{"a", "@b", "c d"});
        other.setValue("Window/Empty", QStringList{});
    }
    // QSettings keeps what it wrote in memory: a copy makes it parse the file.
    TempDirectory copy;
    WriteFile(copy.path + "/Quorvix.ini", ReadTextFile(dir.path + "/Quorvix.ini"));
    const IniSettingsStore mine(copy.path);
    const QtSettingsStore qt(copy.path);
    for (const char* name : {"Geometry", "Box", "Flag", "Names", "Empty"}) {
        EXPECT_EQ(mine.ReadString("Window", name), qt.ReadString("Window", name)) << name;
        EXPECT_EQ(mine.ReadInt("Window", name), qt.ReadInt("Window", name)) << name;
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string name = "Text" + std::to_string(i);
        EXPECT_EQ(mine.ReadString("Options", name), qt.ReadString("Options", name)) << texts[i];
        EXPECT_EQ(mine.ReadString("Options", name), texts[i]);
    }
    for (std::size_t i = 0; i < numbers.size(); ++i)
        EXPECT_EQ(mine.ReadInt("Display", "Number" + std::to_string(i)), numbers[i]);
    for (const std::string& name : names) EXPECT_EQ(mine.ReadString("CustomKeys", name), name);
    EXPECT_EQ(mine.ReadInt("General", "Width"), 640);
    EXPECT_EQ(mine.ReadInt("Odd Group;", "Height"), 480);
    EXPECT_FALSE(mine.ReadInt("Options", "Missing"));
}

// Hand-edited files: every value as QtSettingsStore reads it.
TEST(IniSettingsStore, ReadsHandEditedFilesAsQSettingsDoes) {
    const std::vector<std::string> files = {
        "[Options]\nMode=abc\nAngleUnit=0x2\nNumberBase=010\nWidth=99999999999\nHeight=4294967295\n"
        "DisplayFile=a, b\nA= -7 \nB=+5\nC=0X1f\nD=0x-0x5\nE=0x0x5\nF=1_000\nG=\" 12 \"\nH=4294967296\n",
        "; comment\r\n[Options]\r\nMode = 2 ; trailing comment\r\nDisplayFile=\"x;y\" \r\n"
        "\n\n  [ Display ]  \nForeColor=5\n[Options]\nMode=3\n",
        "Width=1\n[General]\nHeight=2\n[%General]\nMode=3\n[Options]\nMode=\"a\nb\"\nA=one\\\ntwo\n"
        "B=\\x41\\x42C\\101\\q\\\nC=  \"  x  \"  y  \nD=a  ,  \"b  \" , c\\t , \nE=@Invalid()\nF=@@x\n"
        "G=@String(a, b)\nH=@Rect(1 2 3 4)\nI=\\xd83d\\xde00\nJ=\\xd83d\nK=\\\nL=x \\\n",
        "[Opt%69ons]\nKey%200=a\nKey%U00201=b\n[Options]\nKey\\x=c\nKey%2=d\nKey%zz=e\n=empty\nnoequals\n"
        "K\xC3\xA9y=f\n[Options\nMode=9\n",
        "[Options]\nA=\xC3\x28\nB=\xE2\x82\nC=\xF0\x9F\x98\nD=\xFF\xFE\nE=\xC0\xAF\nF=\xED\xA0\x80\n",
    };
    const std::vector<std::pair<std::string, std::string>> keys = {
        {"Options", "Mode"},      {"Options", "AngleUnit"}, {"Options", "NumberBase"},
        {"Options", "Width"},     {"Options", "Height"},    {"Options", "DisplayFile"},
        {"Options", "A"},         {"Options", "B"},         {"Options", "C"},
        {"Options", "D"},         {"Options", "E"},         {"Options", "F"},
        {"Options", "G"},         {"Options", "H"},         {"Options", "I"},
        {"Options", "J"},         {"Options", "K"},         {"Options", "L"},
        {"Display", "ForeColor"}, {"General", "Mode"},      {"Options", "Key 0"},
        {"Options", "Key 1"},     {"Options", "Key/x"},     {"Options", "Key%2"},
        {"Options", "Key%zz"},    {"Options", ""},          {"Options", "K\xC3\xA9y"},
        {"Options", "noequals"}};
    for (const std::string& contents : files) {
        TempDirectory dir;
        WriteFile(dir.path + "/Quorvix.ini", contents);
        const IniSettingsStore mine(dir.path);
        const QtSettingsStore qt(dir.path);
        for (const auto& [key, name] : keys) {
            EXPECT_EQ(mine.ReadInt(key, name), qt.ReadInt(key, name)) << key << "/" << name << " in\n"
                                                                      << contents;
            EXPECT_EQ(mine.ReadString(key, name), qt.ReadString(key, name)) << key << "/" << name << " in\n"
                                                                            << contents;
        }
        // Top-level keys are not under any group.
        EXPECT_EQ(mine.ReadInt("", "Width"), std::nullopt);
    }
}

// The user's file first, then the organisation's.
TEST(IniSettingsStore, UserFileBeforeOrganisationFile) {
    TempDirectory dir;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", dir.path.c_str(), 1);
    ::mkdir((dir.path + "/Daltrane").c_str(), 0700);
    WriteFile(dir.path + "/Daltrane/Quorvix.ini", "[Options]\nMode=1\n");
    WriteFile(dir.path + "/Daltrane.ini", "[Options]\nMode=2\nAngleUnit=0\n");
    {
        const IniSettingsStore store;
        EXPECT_EQ(store.ReadInt("Options", "Mode"), 1);
        EXPECT_EQ(store.ReadInt("Options", "AngleUnit"), 0);
    }
    // A FIFO in place of a file would block the read: nothing is read.
    ::unlink((dir.path + "/Daltrane.ini").c_str());
    ASSERT_EQ(::mkfifo((dir.path + "/Daltrane.ini").c_str(), 0600), 0);
    EXPECT_FALSE(IniSettingsStore().ReadInt("Options", "Mode"));
    if (old)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

// The folders are the ones Qt finds, for every way the variables are set.
TEST(XdgPaths, SameFoldersAsQStandardPaths) {
    struct Case {
        const char* home;
        const char* config;
        const char* data;
    };
    const Case cases[] = {{"/home/u", nullptr, nullptr},        {"/home/u/", "", ""},
                          {"//home//u/./x/..", "/cfg", "/dat"}, {"", nullptr, nullptr},
                          {nullptr, "relative/cfg", "rel"},     {"/", "/c/", "/d//"}};
    std::vector<std::pair<const char*, std::optional<std::string>>> saved;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        const char* value = std::getenv(name);
        saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    auto set = [](const char* name, const char* value) {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    };
    for (const Case& c : cases) {
        set("HOME", c.home);
        set("XDG_CONFIG_HOME", c.config);
        set("XDG_DATA_HOME", c.data);
        EXPECT_EQ(ConfigHome(),
                  QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString())
            << (c.home ? c.home : "(unset)");
        EXPECT_EQ(DataHome(),
                  QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString())
            << (c.home ? c.home : "(unset)");
    }
    for (const auto& [name, value] : saved) set(name, value ? value->c_str() : nullptr);
}

TEST(XdgLocations, DataDirectoryMadeOnlyWhenAskedFor) {
    TempDirectory dir;
    const std::string wanted = dir.path + "/a/b/";
    EXPECT_EQ(XdgLocations(wanted, false).ProgramDirectory(), dir.path + "/a/b");
    struct stat info {};
    EXPECT_NE(::stat(wanted.c_str(), &info), 0);
    EXPECT_EQ(XdgLocations(wanted, true).ProgramDirectory(), dir.path + "/a/b");
    EXPECT_EQ(::stat(wanted.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(CleanPath("//a/./b/../c/"), "/a/c");
    EXPECT_EQ(CleanPath("a/../.."), "..");
    EXPECT_EQ(CleanPath("/.."), "/");
}

}  // namespace
}  // namespace quorvix
