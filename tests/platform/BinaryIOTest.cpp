#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "platform/AtomicFile.h"
#include "platform/BinaryIO.h"

using namespace quorvix;

TEST(BinaryIO, TextPrefixesUseAllThreeForms) {
    ByteWriter w;
    w.WriteText("abc");
    w.WriteText(std::string(255, 'x'));
    w.WriteText(std::string(65534, 'y'));
    const std::string& b = w.bytes();
    EXPECT_EQ(b.substr(0, 4), std::string("\x03" "abc", 4));
    EXPECT_EQ(b.substr(4, 3), std::string("\xFF\xFF\x00", 3));
    const std::size_t third = 4 + 3 + 255;
    EXPECT_EQ(b.substr(third, 7), std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7));

    ByteReader r(b);
    std::string s;
    ASSERT_TRUE(r.ReadText(s));
    EXPECT_EQ(s, "abc");
    ASSERT_TRUE(r.ReadText(s));
    EXPECT_EQ(s, std::string(255, 'x'));
    ASSERT_TRUE(r.ReadText(s));
    EXPECT_EQ(s.size(), 65534u);
    EXPECT_TRUE(r.AtEnd());
}

TEST(BinaryIO, NumbersAreLittleEndianAndRoundTrip) {
    ByteWriter w;
    w.WriteInt32(-5);
    w.WriteDouble(1.5);
    EXPECT_EQ(w.bytes().substr(0, 4), std::string("\xFB\xFF\xFF\xFF", 4));
    EXPECT_EQ(w.bytes().substr(4), std::string("\x00\x00\x00\x00\x00\x00\xF8\x3F", 8));
    ByteReader r(w.bytes());
    std::int32_t i;
    double d;
    ASSERT_TRUE(r.ReadInt32(i));
    ASSERT_TRUE(r.ReadDouble(d));
    EXPECT_EQ(i, -5);
    EXPECT_EQ(d, 1.5);
}

TEST(BinaryIO, HostileLengthsFailWithoutReading) {
    // A 32-bit length of 4 GiB - 1 with three bytes behind it.
    const std::string huge("\xFF\xFF\xFF\xFF\xFF\xFF\xFF" "abc", 10);
    ByteReader r(huge);
    std::string s = "kept";
    EXPECT_FALSE(r.ReadText(s));
    EXPECT_EQ(s, "kept");
    EXPECT_FALSE(r.ok());
    std::int32_t i;
    EXPECT_FALSE(r.ReadInt32(i));  // stays failed

    ByteReader shortInt(std::string_view("\x01\x02", 2));
    EXPECT_FALSE(shortInt.ReadInt32(i));

    // A complete text longer than the limit reads as empty and is skipped.
    ByteWriter w;
    w.WriteText("toolongname");
    w.WriteText("ok");
    ByteReader limited(w.bytes());
    ASSERT_TRUE(limited.ReadTextLimited(s, 5));
    EXPECT_EQ(s, "");
    ASSERT_TRUE(limited.ReadTextLimited(s, 5));
    EXPECT_EQ(s, "ok");
}

TEST(AtomicFile, ReplacesWholeFileAndLeavesNoTemporary) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("quorvix_atomic_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "f.bin").string();
    ASSERT_TRUE(WriteFileAtomically(path, "first"));
    ASSERT_TRUE(WriteFileAtomically(path, std::string("second\0x", 8)));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes, std::string("second\0x", 8));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                            std::filesystem::directory_iterator{}),
              1);
    // A directory that does not exist: the write fails and nothing appears.
    EXPECT_FALSE(WriteFileAtomically((dir / "missing" / "f.bin").string(), "x"));
    EXPECT_FALSE(ReadWholeFile((dir / "nothing.bin").string(), bytes));
    std::filesystem::remove_all(dir);
}
