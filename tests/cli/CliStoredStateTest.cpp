// The terminal calculator starts from the stored settings, user definitions
// and worksheet of its data directory, and writes back only a worksheet it
// was asked to continue.

#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "calculator/Worksheet.h"
#include "units/ConversionList.h"
#include "userdefs/UserDefinitions.h"

namespace quorvix {
namespace {

DecodedWorksheet ReadWorksheet(const std::string& path) {
    return DecodeWorksheet(ReadWholeFile(path));
}

TEST(CliStoredStateTest, StoredSettingsApplyAndOptionsOverrideThem) {
    const TempDir dir;
    WriteWholeFile(dir.File("Quorvix.ini"),
                   "[Options]\nNumberBase=16\nDecimalPlaces=3\nAngleUnit=0\n");
    EXPECT_EQ(RunCli({"--data-dir", dir.path(), "-e", "#FF+1"}).out, "100\n");
    EXPECT_EQ(RunCli({"--data-dir", dir.path(), "--base", "10", "-e", "1/3", "-e", "sin(30)"}).out,
              "0.333\n0.5\n");
    EXPECT_EQ(RunCli({"--data-dir", dir.path(), "--base", "10", "--angle", "rad", "--digits", "0",
                      "-e", "2/3"})
                  .out,
              "0.666666666666667\n");
    // Reading never writes the settings back.
    EXPECT_EQ(ReadWholeFile(dir.File("Quorvix.ini")),
              "[Options]\nNumberBase=16\nDecimalPlaces=3\nAngleUnit=0\n");
}

TEST(CliStoredStateTest, UserFunctionsAndConversionsFromTheDataDirectory) {
    const TempDir dir;
    {
        ConversionList list;
        UserDefinitions defs(list);
        defs.functions().push_back({"Hyp", 2, 2, "a, b", "hypotenuse", "sqrt(a^2+b^2)"});
        defs.MarkFunctionsChanged();
        ASSERT_TRUE(list.AppendUserConversion("smoot", "m", 1.7018));
        defs.MarkConversionsChanged();
        defs.Save(dir.path());
    }
    const ProgramRun r = RunCli(
        {"--data-dir", dir.path(), "-e", "hyp(3,4)", "-e", "convert(2,\"smoot\",\"m\")", "-e", "hyp=1"});
    EXPECT_EQ(r.out, "5\n3.4036\n");
    EXPECT_EQ(r.err, "Invalid variable name\n");
}

TEST(CliStoredStateTest, VariablesOfTheCurrentWorksheetAreReadNotWritten) {
    const TempDir dir;
    MemoryWorksheetVariables variables;
    variables.Append("Interest", "0.05");
    variables.Append("Twice", "Interest*2");
    ASSERT_TRUE(WriteWorksheetFile(dir.File("Quorvix.qws"), "Interest=0.05 =\n0.05", variables));
    const std::string before = ReadWholeFile(dir.File("Quorvix.qws"));

    const ProgramRun r = RunCli({"--data-dir", dir.path(), "-e", "Twice*100", "-e", "X=1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "10\n1\n");
    EXPECT_EQ(ReadWholeFile(dir.File("Quorvix.qws")), before);
}

TEST(CliStoredStateTest, AContinuedWorksheetGetsTheRunsLinesAndVariables) {
    const TempDir dir;
    const std::string sheet = dir.File("sums.qws");
    ProgramRun r = RunCli({"--data-dir", dir.path(), "--worksheet", sheet, "-e", "B=4", "-e",
                           "B+1", "-e", "1+("});
    EXPECT_EQ(r.out, "4\n5\n");
    EXPECT_EQ(r.status, 1);
    DecodedWorksheet saved = ReadWorksheet(sheet);
    ASSERT_TRUE(saved.complete);
    EXPECT_EQ(saved.text, "B=4 =\n4\nB+1 =\n5\n1+(");
    ASSERT_EQ(saved.variables.size(), 1u);
    EXPECT_EQ(saved.variables[0], (WorksheetVariable{"B", "4"}));

    r = RunCli({"--data-dir", dir.path(), "--worksheet", sheet, "-e", "B*2"});
    EXPECT_EQ(r.out, "8\n");
    EXPECT_EQ(r.status, 0);
    saved = ReadWorksheet(sheet);
    EXPECT_EQ(saved.text, "B=4 =\n4\nB+1 =\n5\n1+(\nB*2 =\n8");
}

TEST(CliStoredStateTest, AWorksheetThatCannotBeWrittenIsAFailure) {
    const TempDir dir;
    const ProgramRun r = RunCli(
        {"--data-dir", dir.path(), "--worksheet", dir.File("missing/dir/w.qws"), "-e", "2*3"});
    EXPECT_EQ(r.out, "6\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("could not write the worksheet"), std::string::npos);
}

TEST(CliStoredStateTest, ADamagedWorksheetIsLeftUnchanged) {
    const TempDir dir;
    const std::string sheet = dir.File("sums.qws");
    ASSERT_EQ(RunCli({"--data-dir", dir.path(), "--worksheet", sheet, "-e", "B=4"}).status, 0);
    // Cut off the end of the last variable's formula.
    std::string bytes = ReadWholeFile(sheet);
    bytes.pop_back();
    WriteWholeFile(sheet, bytes);

    const ProgramRun r =
        RunCli({"--data-dir", dir.path(), "--worksheet", sheet, "-e", "2*3"});
    EXPECT_EQ(r.out, "6\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("could not be read completely and was left unchanged"),
              std::string::npos);
    EXPECT_EQ(ReadWholeFile(sheet), bytes);
}

TEST(CliStoredStateTest, ANonexistentDataDirectoryStartsFromDefaults) {
    const TempDir dir;
    const ProgramRun r = RunCli({"--data-dir", dir.File("new"), "-e", "1/3", "-e", "SV"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "0.3333333333\nEmpty variable list\n");
}

}  // namespace
}  // namespace quorvix
