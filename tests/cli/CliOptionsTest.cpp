#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliOptions.h"

namespace quorvix {
namespace {

CliParseResult Parse(std::vector<std::string> arguments) { return ParseCliArguments(arguments); }

TEST(CliOptionsTest, NoArgumentsMeansReadStdinWithStoredSettings) {
    const CliParseResult r = Parse({});
    EXPECT_EQ(r.command, CliCommand::Run);
    EXPECT_TRUE(r.options.lines.empty());
    EXPECT_FALSE(r.options.angleUnit);
    EXPECT_FALSE(r.options.numberBase);
    EXPECT_FALSE(r.options.numberFormat);
    EXPECT_FALSE(r.options.significantDigits);
    EXPECT_EQ(r.options.dataDir, "");
}

TEST(CliOptionsTest, TheArgumentAfterMinusEIsAlwaysTheLine) {
    const CliParseResult r = Parse({"-e", "10", "-e", "-3", "-e", "--help", "-e", "-e"});
    ASSERT_EQ(r.command, CliCommand::Run);
    EXPECT_EQ(r.options.lines, (std::vector<std::string>{"10", "-3", "--help", "-e"}));
}

TEST(CliOptionsTest, SettingsOptionsInBothForms) {
    const CliParseResult r = Parse({"--angle", "deg", "--base=16", "--format", "scientific",
                                    "--digits=0", "--data-dir", "/tmp/q"});
    ASSERT_EQ(r.command, CliCommand::Run) << r.error;
    EXPECT_EQ(r.options.angleUnit, 0);
    EXPECT_EQ(r.options.numberBase, 16);
    EXPECT_EQ(r.options.numberFormat, 1);
    EXPECT_EQ(r.options.significantDigits, 0);
    EXPECT_EQ(r.options.dataDir, "/tmp/q");
    EXPECT_EQ(Parse({"--angle=grad"}).options.angleUnit, 2);
    EXPECT_EQ(Parse({"--angle", "rad"}).options.angleUnit, 1);
    EXPECT_EQ(Parse({"--format", "general"}).options.numberFormat, 0);
    EXPECT_EQ(Parse({"--digits", "11"}).options.significantDigits, 11);
    EXPECT_EQ(Parse({"--base", "2"}).options.numberBase, 2);
    // A relative data folder is made absolute, as the window makes it.
    EXPECT_EQ(Parse({"--data-dir=./d/"}).options.dataDir,
              std::filesystem::current_path().string() + "/d");
}

TEST(CliOptionsTest, BadValuesAndUnknownOptionsAreUsageErrors) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--bogus"},
             {"-x"},
             {"2+3"},
             {"-e"},
             {"--base", "1"},
             {"--base", "37"},
             {"--base", "16x"},
             {"--base", ""},
             {"--digits", "12"},
             {"--digits", "-1"},
             {"--angle", "degrees"},
             {"--format", "fixed"},
             {"--data-dir"},
             {"--data-dir="},
             {"-e", "1", "--base"}}) {
        const CliParseResult r = Parse(args);
        EXPECT_EQ(r.command, CliCommand::UsageError) << args[0];
        EXPECT_FALSE(r.error.empty());
    }
}

TEST(CliOptionsTest, HelpAndVersion) {
    EXPECT_EQ(Parse({"--help"}).command, CliCommand::Help);
    EXPECT_EQ(Parse({"-h"}).command, CliCommand::Help);
    EXPECT_EQ(Parse({"--version"}).command, CliCommand::Version);
    EXPECT_EQ(Parse({"--version", "--help"}).command, CliCommand::Help);
    EXPECT_EQ(Parse({"--help", "--bogus"}).command, CliCommand::UsageError);
    EXPECT_NE(CliUsageText().find("--data-dir DIR"), std::string::npos);
}

}  // namespace
}  // namespace quorvix
