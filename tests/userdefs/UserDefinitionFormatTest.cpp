#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "userdefs/UserDefinitionFormat.h"

using namespace quorvix;

namespace {

// Builds file bytes by hand, independently of the writer under test.
struct Bytes {
    std::string b;
    Bytes& i32(std::uint32_t v) {
        for (int k = 0; k < 4; ++k) b.push_back(static_cast<char>((v >> (8 * k)) & 0xFF));
        return *this;
    }
    Bytes& u16(std::uint16_t v) {
        b.push_back(static_cast<char>(v & 0xFF));
        b.push_back(static_cast<char>(v >> 8));
        return *this;
    }
    Bytes& byte(unsigned v) {
        b.push_back(static_cast<char>(v));
        return *this;
    }
    Bytes& raw(const std::string& s) {
        b += s;
        return *this;
    }
    Bytes& text(const std::string& s) {  // short form only (< 255)
        return byte(static_cast<unsigned>(s.size())).raw(s);
    }
    Bytes& f64(double d) {
        std::uint64_t u;
        std::memcpy(&u, &d, 8);
        for (int k = 0; k < 8; ++k) b.push_back(static_cast<char>((u >> (8 * k)) & 0xFF));
        return *this;
    }
};

Bytes ConstantRecord(const std::string& name, const std::string& unit, double value) {
    Bytes r;
    r.text(name).text(unit).f64(value);
    return r;
}

}  // namespace

TEST(UserConstantsFile, ExactBytesAndRoundTrip) {
    const std::vector<UserConstant> list = {{"g0", "m/s^2", 9.80665}, {"k", "", 1000}};
    const std::string expected =
        std::string("\x02\x00\x00\x00", 4) + "\x02g0" + "\x05m/s^2" +
        std::string("\x05\xa3\x92\x3a\x01\x9d\x23\x40", 8) + "\x01k" + std::string(1, '\0') +
        std::string("\x00\x00\x00\x00\x00\x40\x8f\x40", 8);
    EXPECT_EQ(EncodeUserConstants(list), expected);
    EXPECT_EQ(DecodeUserConstants(expected), list);
}

TEST(UserConstantsFile, CountsOfZeroOrLessReadNothing) {
    EXPECT_TRUE(DecodeUserConstants(Bytes().i32(0).b).empty());
    Bytes negative;
    negative.i32(static_cast<std::uint32_t>(-5)).raw(ConstantRecord("a", "", 1).b);
    EXPECT_TRUE(DecodeUserConstants(negative.b).empty());
    EXPECT_TRUE(DecodeUserConstants("").empty());
    EXPECT_TRUE(DecodeUserConstants(std::string("\x01\x00", 2)).empty());
}

TEST(UserConstantsFile, ReadsAtMostOneThousandRecords) {
    Bytes file;
    file.i32(1500);
    for (int i = 0; i < 1500; ++i) file.raw(ConstantRecord(std::to_string(i) + "c", "", i + 1).b);
    const auto list = DecodeUserConstants(file.b);
    ASSERT_EQ(list.size(), 1000u);
    EXPECT_EQ(list.back().name, "999c");
    EXPECT_EQ(list.back().value, 1000.0);
}

TEST(UserConstantsFile, ShortFileKeepsTheCompleteRecords) {
    Bytes file;
    file.i32(3).raw(ConstantRecord("a", "m", 1).b).raw(ConstantRecord("b", "s", 2).b);
    const std::string third = ConstantRecord("c", "kg", 3).b;
    for (std::size_t cut = 0; cut < third.size(); ++cut) {
        const auto list = DecodeUserConstants(file.b + third.substr(0, cut));
        ASSERT_EQ(list.size(), 2u) << "cut at " << cut;
        EXPECT_EQ(list[1].name, "b");
        EXPECT_EQ(list[1].unit, "s");
    }
}

TEST(UserConstantsFile, OverLongFieldsReadAsEmptyAndTheNextFieldStillLines) {
    const std::string unit20(20, 'u');
    const std::string unit21(21, 'v');
    const std::string name50(50, 'n');
    Bytes file;
    file.i32(3)
        .raw(ConstantRecord("x", unit21, 2.5).b)
        .raw(ConstantRecord(name50, unit20, 3.5).b)
        .raw(ConstantRecord(name50 + "n", "m", 4.5).b);
    const auto list = DecodeUserConstants(file.b);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0], (UserConstant{"x", "", 2.5}));
    EXPECT_EQ(list[1], (UserConstant{name50, unit20, 3.5}));
    EXPECT_EQ(list[2], (UserConstant{"", "m", 4.5}));
}

TEST(UserConstantsFile, LengthsBeyondTheFileAreRefused) {
    // A text claiming 4 GB in a tiny file: refused without allocating, the
    // record before it kept.
    Bytes file;
    file.i32(2).raw(ConstantRecord("a", "", 1).b);
    file.byte(0xFF).u16(0xFFFF).i32(0xFFFFFFFFu).raw("abc");
    const auto list = DecodeUserConstants(file.b);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, "a");
}

TEST(UserDefinitionFiles, ACountTheBytesCannotHoldAllocatesNothingForIt) {
    // A 4-byte file claiming 1000 records holds none; one that claims 1000
    // and holds 1 keeps that one. Room for the claimed 1000 is never made.
    const std::string bare = Bytes().i32(1000).b;
    const std::string one = Bytes().i32(1000).raw(ConstantRecord("a", "", 1).b).b;
    const auto none = DecodeUserConstants(bare);
    EXPECT_TRUE(none.empty());
    EXPECT_LT(none.capacity(), 16u);
    const auto single = DecodeUserConstants(one);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_LT(single.capacity(), 16u);
    const auto conversions = DecodeUserConversions(one);
    ASSERT_EQ(conversions.size(), 1u);
    EXPECT_LT(conversions.capacity(), 16u);
    const auto functions = DecodeUserFunctions(bare);
    EXPECT_TRUE(functions.empty());
    EXPECT_LT(functions.capacity(), 16u);
}

TEST(UserConstantsFile, AcceptsTheLongLengthForms) {
    // 16-bit form for a 300-character name (over the limit: read as empty),
    // 32-bit form for a short unit, which the format also allows.
    Bytes file;
    file.i32(1).byte(0xFF).u16(300).raw(std::string(300, 'a'));
    file.byte(0xFF).u16(0xFFFF).i32(3).raw("m/s").f64(7);
    const auto list = DecodeUserConstants(file.b);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], (UserConstant{"", "m/s", 7}));
}

TEST(UserConversionsFile, ExactBytesLimitsAndRoundTrip) {
    const std::vector<UserConversion> list = {{"furlong", "meter", 201.168}};
    Bytes expected;
    expected.i32(1).text("furlong").text("meter").f64(201.168);
    EXPECT_EQ(EncodeUserConversions(list), expected.b);
    const auto back = DecodeUserConversions(expected.b);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].name, "furlong");
    EXPECT_EQ(back[0].base, "meter");
    EXPECT_EQ(back[0].factor, 201.168);

    Bytes limits;
    limits.i32(2)
        .text(std::string(50, 'a')).text(std::string(51, 'b')).f64(2)
        .text(std::string(51, 'c')).text(std::string(50, 'd')).f64(3);
    const auto read = DecodeUserConversions(limits.b);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].name, std::string(50, 'a'));
    EXPECT_EQ(read[0].base, "");
    EXPECT_EQ(read[1].name, "");
    EXPECT_EQ(read[1].base, std::string(50, 'd'));
    EXPECT_EQ(EncodeUserConversions({}), std::string(4, '\0'));
}

TEST(UserFunctionsFile, ExpressionComesSecondAndLongTextsUseTheThreeByteForm) {
    UserFunction f;
    f.name = "Hyp";
    f.expression = "sqrt(a*a+b*b)";
    f.syntax = std::string(100, 's');
    f.description = std::string(255, 'd');
    f.minArgs = 2;
    f.maxArgs = 2;
    Bytes expected;
    expected.i32(1).text("Hyp").text("sqrt(a*a+b*b)").text(std::string(100, 's'));
    expected.byte(0xFF).u16(255).raw(std::string(255, 'd')).i32(2).i32(2);
    const std::string bytes = EncodeUserFunctions({f});
    EXPECT_EQ(bytes, expected.b);
    const auto back = DecodeUserFunctions(bytes);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0], f);
}

TEST(UserFunctionsFile, EmptyListIsFourZeroBytes) {
    EXPECT_EQ(EncodeUserFunctions({}), std::string(4, '\0'));
}

TEST(UserFunctionsFile, FieldLimitsAndArgumentCountsAreEnforced) {
    Bytes file;
    file.i32(2)
        .text(std::string(51, 'n')).text("a").text(std::string(101, 's')).text("desc")
        .i32(31).i32(1000)
        .text("G").byte(0xFF).u16(256).raw(std::string(256, 'e')).text("x").text("")
        .i32(static_cast<std::uint32_t>(-3)).i32(4);
    const auto list = DecodeUserFunctions(file.b);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, "");
    EXPECT_EQ(list[0].expression, "a");
    EXPECT_EQ(list[0].syntax, "");
    EXPECT_EQ(list[0].description, "desc");
    EXPECT_EQ(list[0].minArgs, 30);
    EXPECT_EQ(list[0].maxArgs, 30);
    EXPECT_EQ(list[1].name, "G");
    EXPECT_EQ(list[1].expression, "");
    EXPECT_EQ(list[1].syntax, "x");
    EXPECT_EQ(list[1].minArgs, 0);
    EXPECT_EQ(list[1].maxArgs, 4);
}

TEST(UserFunctionsFile, RecordCutInTheArgumentCountsIsDropped) {
    Bytes file;
    file.i32(2).text("F").text("a").text("").text("").i32(1).i32(1);
    file.text("G").text("b").text("").text("").i32(2).byte(2);
    const auto list = DecodeUserFunctions(file.b);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, "F");
}
