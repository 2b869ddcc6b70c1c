#include "calculator/KeySpokenNames.h"

#include <gtest/gtest.h>

#include <set>

#include "calculator/Keypad.h"

namespace quorvix {
namespace {

TEST(KeySpokenNamesTest, NamesSayWhatTheKeyDoes) {
    struct Row {
        int keyId;
        const char* caption;
        bool inv, hyp;
        const char* spoken;
    };
    const Row rows[] = {
        {kExeKeyId, "EXE", false, false, "execute"},
        {kDigitZeroKeyId + 7, "7", false, false, "seven"},
        {kFirstOperatorKeyId + 6, "(", false, false, "opening parenthesis"},
        {kFirstLayoutKeyId + 7, "sqrt", false, false, "square root"},
        {kFirstLayoutKeyId + 3, "SIN", true, false, "inverse sine"},
        {kFirstLayoutKeyId + 3, "cos", true, true, "inverse hyperbolic cosine"},
        {kFirstLayoutKeyId + 12, "pi", true, true, "number pi"},  // Inv/Hyp only change trig keys
        {kExponentKeyId, "#", false, false, "exponent"},
        {kFirstLayoutKeyId + 3, "pv", false, false, "present value"},
        {kFirstLayoutKeyId + 4, "Sinh", false, false, "Sinh"},  // custom: as written
        {kFirstOperatorKeyId, "sqrt", false, false, "multiply"},  // fixed keys by id
        {kInvCheckBoxId, "Inv", false, false, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(KeySpokenName(row.keyId, row.caption, row.inv, row.hyp), row.spoken)
            << row.keyId << " " << row.caption;
}

TEST(KeySpokenNamesTest, CustomCaptionsAreReadPieceByPiece) {
    const std::pair<const char*, const char*> rows[] = {
        {"x^4", "x to the power 4"},
        {"1/x", "reciprocal of x"},
        {"1/", "reciprocal"},
        {"1/(x+1)", "reciprocal of opening parenthesis x plus 1 closing parenthesis"},
        {"a/b", "a divided by b"},
        {"ANS*2", "last answer times 2"},
        {"sqrt(2)", "square root opening parenthesis 2 closing parenthesis"},
        {"2*pi", "2 times pi"},
        {"e^-1.5", "e to the power minus 1.5"},
        {"n!", "n factorial"},
        {"x = 3", "x equals 3"},
        {"10%", "10 percent"},
        {"BesselJ", "BesselJ"},
        {"x$y", "x $ y"},  // no word for it: as written
    };
    for (const auto& [caption, spoken] : rows)
        EXPECT_EQ(KeySpokenName(kFirstLayoutKeyId + 4, caption), spoken) << caption;
}

TEST(KeySpokenNamesTest, EveryKeyOfBothBuiltInLayoutsHasItsOwnName) {
    for (const int mode : {0, 1}) {
        Keypad keypad;
        keypad.ApplyKeypadLayout(mode, MathKeyCaptions());
        std::set<std::string> names;
        for (int id = kFirstKeyId; id <= kLastKeyId; ++id) {
            const std::string name = KeySpokenName(id, keypad.Caption(id));
            EXPECT_FALSE(name.empty()) << id;
            EXPECT_NE(name, keypad.Caption(id)) << "unnamed caption " << name;
            names.insert(name);
        }
        EXPECT_EQ(names.size(), std::size_t{kKeyCount}) << "mode " << mode;
    }
}

}  // namespace
}  // namespace quorvix
