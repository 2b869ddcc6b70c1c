#include "calculator/Worksheet.h"

#include <gtest/gtest.h>

#include "WorksheetTestFiles.h"
#include "platform/BinaryIO.h"

namespace quorvix {
namespace {

std::string Int32Bytes(std::int32_t value) {
    ByteWriter writer;
    writer.WriteInt32(value);
    return writer.bytes();
}

MemoryWorksheetVariables Vars(std::initializer_list<WorksheetVariable> list) {
    MemoryWorksheetVariables vars;
    vars.list = list;
    return vars;
}

TEST(WorksheetEncoding, ByteExactSmallFile) {
    const auto vars = Vars({{"A", "2"}, {"B", " A*3"}});
    const std::string bytes = EncodeWorksheet("2+3 =\n5", vars);
    const std::string expected = std::string("\x08" "2+3 =\r\n5", 9) +
                                 std::string("\x02\x00\x00\x00", 4) + "\x01" "A" "\x01" "2" +
                                 "\x01" "B" "\x04" " A*3";
    EXPECT_EQ(bytes, expected);
}

TEST(WorksheetEncoding, TextOf255CharactersGetsFFFF00Prefix) {
    MemoryWorksheetVariables none;
    const std::string text(255, 'x');
    const std::string bytes = EncodeWorksheet(text, none);
    ASSERT_EQ(bytes.size(), 3u + 255u + 4u);
    EXPECT_EQ(bytes.substr(0, 3), std::string("\xFF\xFF\x00", 3));
    EXPECT_EQ(bytes.substr(258), Int32Bytes(0));
    // 254 characters still take one length byte.
    EXPECT_EQ(EncodeWorksheet(std::string(254, 'x'), none)[0], '\xFE');
}

TEST(WorksheetEncoding, LongTextUsesThe32BitForm) {
    MemoryWorksheetVariables none;
    const std::string bytes = EncodeWorksheet(std::string(70000, 'y'), none);
    EXPECT_EQ(bytes.substr(0, 7), std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7));
    const DecodedWorksheet decoded = DecodeWorksheet(bytes);
    EXPECT_TRUE(decoded.complete);
    EXPECT_EQ(decoded.text.size(), 70000u);
}

TEST(WorksheetEncoding, RoundTripConvertsLineBreaks) {
    const auto vars = Vars({{"x1", "1/0"}, {"Rate", ""}});
    const DecodedWorksheet decoded = DecodeWorksheet(EncodeWorksheet("a\nb\n\nc", vars));
    ASSERT_TRUE(decoded.complete);
    EXPECT_EQ(decoded.text, "a\nb\n\nc");
    EXPECT_EQ(decoded.variables, vars.list);
    // A lone CR from elsewhere also starts a line.
    EXPECT_EQ(DecodeWorksheet(std::string("\x03" "a\rb", 4) + Int32Bytes(0)).text, "a\nb");
}

TEST(WorksheetEncoding, TrimRemovesTrailingBlanksAndLineBreaksOnly) {
    EXPECT_EQ(TrimWorksheetText("  1+1 =\n2\n\n  \n"), "  1+1 =\n2");
    EXPECT_EQ(TrimWorksheetText(" \n \n"), "");
    EXPECT_EQ(TrimWorksheetText(""), "");
}

TEST(WorksheetDecoding, EveryVariableTheFileHoldsIsRead) {
    // A run may define any number of variables; the next run must get them
    // all back, or it would write the file back without the rest.
    ByteWriter writer;
    writer.WriteText("t");
    writer.WriteInt32(7000);
    for (int i = 0; i < 7000; ++i) {
        const std::string number = std::to_string(i);
        writer.WriteText(std::string("v").append(number));
        writer.WriteText(number);
    }
    const DecodedWorksheet decoded = DecodeWorksheet(writer.bytes());
    ASSERT_TRUE(decoded.complete);
    ASSERT_EQ(decoded.variables.size(), 7000u);
    EXPECT_EQ(decoded.variables.back().name, "v6999");
    // A count the file does not hold is a short file.
    ByteWriter shortFile;
    shortFile.WriteText("");
    shortFile.WriteInt32(7000);
    for (int i = 0; i < 5000; ++i) {
        shortFile.WriteText("a");
        shortFile.WriteText("1");
    }
    const DecodedWorksheet cut = DecodeWorksheet(shortFile.bytes());
    EXPECT_FALSE(cut.complete);
    EXPECT_TRUE(cut.variables.empty());
}

TEST(WorksheetDecoding, NegativeCountReadsNoVariables) {
    const DecodedWorksheet decoded =
        DecodeWorksheet(std::string("\x00", 1) + Int32Bytes(-3) + "\x01" "A" "\x01" "1");
    EXPECT_TRUE(decoded.complete);
    EXPECT_TRUE(decoded.variables.empty());
}

TEST(WorksheetDecoding, TruncatedFileKeepsTheTextButNoVariables) {
    const auto vars = Vars({{"A", "1"}, {"B", "2"}, {"C", "3"}});
    const std::string bytes = EncodeWorksheet("hello", vars);
    for (std::size_t cut = 7; cut < bytes.size(); ++cut) {
        const DecodedWorksheet decoded = DecodeWorksheet(bytes.substr(0, cut));
        EXPECT_TRUE(decoded.textRead) << cut;
        EXPECT_FALSE(decoded.complete) << cut;
        EXPECT_TRUE(decoded.variables.empty()) << cut;
        EXPECT_EQ(decoded.text, "hello");
    }
    EXPECT_FALSE(DecodeWorksheet(bytes.substr(0, 3)).textRead);
    EXPECT_FALSE(DecodeWorksheet("").textRead);
}

TEST(WorksheetDecoding, HugeClaimedLengthIsRefusedWithoutAllocating) {
    // A text claiming 4 GiB - 1 characters in a file of a few bytes.
    const std::string bytes = std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7) + "abc";
    const DecodedWorksheet decoded = DecodeWorksheet(bytes);
    EXPECT_FALSE(decoded.textRead);
    // The same claim for a variable formula after a good text.
    const std::string variable = std::string("\x01" "x", 2) + Int32Bytes(1) + "\x01" "A" +
                                 std::string("\xFF\xFF\xFF\x00\x00\x00\xF0", 7);
    const DecodedWorksheet second = DecodeWorksheet(variable);
    EXPECT_TRUE(second.textRead);
    EXPECT_FALSE(second.complete);
    EXPECT_TRUE(second.variables.empty());
    // A count of 2^31-1 with nothing behind it.
    const DecodedWorksheet third = DecodeWorksheet(std::string("\x00", 1) + Int32Bytes(0x7FFFFFFF));
    EXPECT_FALSE(third.complete);
}

TEST(WorksheetFile, MissingFileChangesNothing) {
    TempDir dir;
    std::string text = "kept";
    auto vars = Vars({{"A", "1"}});
    EXPECT_EQ(ReadWorksheetFile(dir.File("none.qws"), text, vars), WorksheetReadResult::NotOpened);
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(vars.Count(), 1);
}

TEST(WorksheetFile, LoadingReplacesAllVariables) {
    TempDir dir;
    const std::string path = dir.File("a.qws");
    ASSERT_TRUE(WriteWorksheetFile(path, "1+1 =\n2", Vars({{"X", "5"}})));
    std::string text;
    auto vars = Vars({{"Y", "7"}, {"X", "9"}});
    EXPECT_EQ(ReadWorksheetFile(path, text, vars), WorksheetReadResult::Loaded);
    EXPECT_EQ(text, "1+1 =\n2");
    ASSERT_EQ(vars.Count(), 1);
    EXPECT_EQ(vars.At(0), (WorksheetVariable{"X", "5"}));
}

TEST(WorksheetFile, DamagedFileClearsTheVariables) {
    TempDir dir;
    const std::string path = dir.File("bad.qws");
    const std::string good = EncodeWorksheet("abc", Vars({{"A", "1"}, {"B", "2"}}));
    WriteBytes(path, good.substr(0, good.size() - 1));
    std::string text = "old";
    auto vars = Vars({{"Z", "0"}});
    EXPECT_EQ(ReadWorksheetFile(path, text, vars), WorksheetReadResult::Damaged);
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(vars.Count(), 0);
}

TEST(WorksheetFile, WriteReplacesTheFileWholeAndLeavesNoTemporary) {
    TempDir dir;
    const std::string path = dir.File("w.qws");
    ASSERT_TRUE(WriteWorksheetFile(path, "first", Vars({})));
    ASSERT_TRUE(WriteWorksheetFile(path, "second", Vars({{"A", "1"}})));
    EXPECT_EQ(ReadBytes(path), EncodeWorksheet("second", Vars({{"A", "1"}})));
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1);
    // A folder that does not exist: the write fails and reports it.
    EXPECT_FALSE(WriteWorksheetFile(dir.File("no/such/dir.qws"), "x", Vars({})));
}

}  // namespace
}  // namespace quorvix
