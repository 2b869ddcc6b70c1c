#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "UserDefsTestSupport.h"
#include "platform/AtomicFile.h"
#include "userdefs/UserDefinitionFormat.h"
#include "userdefs/UserDefinitions.h"

using namespace quorvix;
using test::CalcWith;
using test::Function;

namespace {

class UserDefinitionsTest : public ::testing::Test {
protected:
    UserDefinitionsTest() {
        std::string leaf = "quorvix-userdefs-";
        leaf += std::to_string(::getpid());
        leaf += ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir = (std::filesystem::temp_directory_path() / leaf).string();
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    ~UserDefinitionsTest() override { std::filesystem::remove_all(dir); }

    std::string Path(const char* name) const { return dir + "/" + name; }
    std::string Read(const char* name) const {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(Path(name), bytes)) << name;
        return bytes;
    }
    bool Exists(const char* name) const { return std::filesystem::exists(Path(name)); }

    std::string dir;
    ConversionList list;
};

}  // namespace

TEST_F(UserDefinitionsTest, MissingFilesLeaveEverythingEmpty) {
    UserDefinitions defs(list);
    defs.Load(dir);
    EXPECT_TRUE(defs.constants().empty());
    EXPECT_TRUE(defs.functions().empty());
    EXPECT_TRUE(defs.compiledFunctions().empty());
    EXPECT_EQ(list.size(), ConversionList::kFirstUserIndex);
    // Nothing was changed, so nothing is written.
    defs.Save(dir);
    EXPECT_FALSE(Exists("user.cst"));
    EXPECT_FALSE(Exists("user.cnv"));
    EXPECT_FALSE(Exists("user.fct"));
}

TEST_F(UserDefinitionsTest, LoadReadsAllThreeKindsAndCompilesTheFunctions) {
    ASSERT_TRUE(WriteFileAtomically(Path("user.cst"), EncodeUserConstants({{"g0", "m/s^2", 9.80665}})));
    ASSERT_TRUE(WriteFileAtomically(Path("user.cnv"), EncodeUserConversions({{"blip", "m", 200}})));
    ASSERT_TRUE(WriteFileAtomically(Path("user.fct"), EncodeUserFunctions({Function("F", "a*b+t", 2)})));
    UserDefinitions defs(list);
    defs.Load(dir);
    ASSERT_EQ(defs.constants().size(), 1u);
    EXPECT_EQ(defs.constants()[0].name, "g0");
    ASSERT_EQ(list.size(), 276);
    EXPECT_EQ(list.at(275).name, "blip");
    ASSERT_EQ(defs.compiledFunctions().size(), 1u);

    const test::Outcome o = CalcWith(defs.compiledFunctions(), "F(3,4)");
    ASSERT_EQ(o.code, kNoError);
    EXPECT_EQ(o.value, 12.0);

    // Menus and insertions work from the loaded lists.
    EXPECT_EQ(defs.BuildUserConversionsMenu().entries.back().text, "blip -> m");
    ASSERT_TRUE(defs.CommandInsertion(25000));
    EXPECT_EQ(defs.CommandInsertion(25000)->text, "9.80665");
    EXPECT_EQ(defs.CommandInsertion(27000)->text, "F()");
}

TEST_F(UserDefinitionsTest, OnlyChangedKindsAreWrittenAndRoundTrip) {
    const std::string untouched = EncodeUserConstants({{"k", "", 1000}});
    ASSERT_TRUE(WriteFileAtomically(Path("user.cst"), untouched));
    {
        UserDefinitions defs(list);
        defs.Load(dir);
        defs.functions().push_back(Function("Sq", "a*a", 1));
        defs.MarkFunctionsChanged();
        ASSERT_EQ(defs.compiledFunctions().size(), 1u);  // recompiled at once
        ASSERT_TRUE(list.AppendUserConversion("blip", "m", 200));
        defs.MarkConversionsChanged();
        EXPECT_FALSE(defs.constantsChanged());
        defs.Save(dir);
    }
    EXPECT_EQ(Read("user.cst"), untouched);
    EXPECT_TRUE(Exists("user.cnv"));
    EXPECT_TRUE(Exists("user.fct"));

    ConversionList fresh;
    UserDefinitions again(fresh);
    again.Load(dir);
    ASSERT_EQ(again.functions().size(), 1u);
    EXPECT_EQ(again.functions()[0], Function("Sq", "a*a", 1));
    ASSERT_EQ(fresh.size(), 276);
    EXPECT_EQ(fresh.at(275).base, "m");
    EXPECT_EQ(fresh.at(275).factor, 200.0);
}

TEST_F(UserDefinitionsTest, RemovingEverythingWritesACountOfZero) {
    ASSERT_TRUE(WriteFileAtomically(Path("user.cst"), EncodeUserConstants({{"k", "", 1000}})));
    ASSERT_TRUE(WriteFileAtomically(Path("user.cnv"), EncodeUserConversions({{"blip", "m", 2}})));
    UserDefinitions defs(list);
    defs.Load(dir);
    defs.constants().clear();
    defs.MarkConstantsChanged();
    list.ClearUserConversions();
    defs.MarkConversionsChanged();
    defs.functions().clear();
    defs.MarkFunctionsChanged();
    defs.Save(dir);
    EXPECT_EQ(Read("user.cst"), std::string(4, '\0'));
    EXPECT_EQ(Read("user.cnv"), std::string(4, '\0'));
    EXPECT_EQ(Read("user.fct"), std::string(4, '\0'));
}

TEST_F(UserDefinitionsTest, ForeignFunctionRecordsRoundTripButNeverMatch) {
    std::vector<UserFunction> foreign = {Function("T", "100", 0), Function("ANS", "100", 0),
                                         Function("Good", "a+1", 1)};
    const std::string bytes = EncodeUserFunctions(foreign);
    ASSERT_TRUE(WriteFileAtomically(Path("user.fct"), bytes));
    UserDefinitions defs(list);
    defs.Load(dir);
    ASSERT_EQ(defs.functions().size(), 3u);
    const test::Outcome o = CalcWith(defs.compiledFunctions(), "t+ans+Good(1)", 5.0, 10.0);
    ASSERT_EQ(o.code, kNoError);
    EXPECT_EQ(o.value, 17.0);
    defs.MarkFunctionsChanged();
    defs.Save(dir);
    EXPECT_EQ(Read("user.fct"), bytes);
}

TEST_F(UserDefinitionsTest, AFailedLoadKeepsTheListAndAFailedSaveIsSilent) {
    UserDefinitions defs(list);
    defs.constants().push_back({"c", "", 3});
    defs.Load(dir + "/missing");
    EXPECT_EQ(defs.constants().size(), 1u);
    defs.MarkConstantsChanged();
    defs.Save(dir + "/missing");  // directory does not exist: nothing happens
    EXPECT_FALSE(std::filesystem::exists(dir + "/missing"));
}
