#include <gtest/gtest.h>

#include <string>

#include "units/ConversionList.h"
#include "units/UnitCatalogue.h"
#include "UnitTestSupport.h"

namespace quorvix {
namespace {

void ExpectBuiltInRowsIntact(const ConversionList& list) {
    for (int k = 0; k < kCatalogueRowCount; ++k) {
        const CatalogueRow& row = CatalogueRowAt(k);
        ASSERT_EQ(list.at(k).name, row.name) << k;
        ASSERT_EQ(list.at(k).base, row.base) << k;
        ASSERT_EQ(list.at(k).factor, row.factor) << k;
    }
}

TEST(ConversionList, StartsWithTheCatalogueInOrder) {
    ConversionList list;
    EXPECT_EQ(list.size(), 275);
    EXPECT_EQ(list.UserConversionCount(), 0);
    ExpectBuiltInRowsIntact(list);
}

TEST(ConversionList, UserConversionsFollowTheCatalogue) {
    ConversionList list;
    const auto before = list.revision();
    ASSERT_TRUE(list.AppendUserConversion("smoot", "m", 1.7018));
    ASSERT_TRUE(list.AppendUserConversion("jiffy", "s", 0.01));
    ASSERT_TRUE(list.AppendUserConversion("", "m", 2));  // a file may hold empty names
    EXPECT_NE(list.revision(), before);
    EXPECT_EQ(list.size(), 278);
    EXPECT_EQ(list.UserConversionCount(), 3);
    EXPECT_EQ(list.at(275).name, "smoot");
    EXPECT_EQ(list.at(276).base, "s");
    EXPECT_EQ(list.at(276).factor, 0.01);
    ExpectBuiltInRowsIntact(list);

    // Removing moves later user rows down; built-in rows cannot be removed.
    EXPECT_FALSE(list.RemoveUserConversionAt(274));
    EXPECT_FALSE(list.RemoveUserConversionAt(0));
    EXPECT_FALSE(list.RemoveUserConversionAt(278));
    EXPECT_FALSE(list.RemoveUserConversionAt(-1));
    ASSERT_TRUE(list.RemoveUserConversionAt(275));
    EXPECT_EQ(list.size(), 277);
    EXPECT_EQ(list.at(275).name, "jiffy");
    ExpectBuiltInRowsIntact(list);
}

TEST(ConversionList, TruncateKeepsCompleteUserRecordsOnly) {
    ConversionList list;
    for (int i = 0; i < 5; ++i) list.AppendUserConversion(unit_test::NumberedUnit("u", i), "m", i + 1);
    list.TruncateUserConversions(2);
    EXPECT_EQ(list.size(), 277);
    EXPECT_EQ(list.at(276).name, "u1");
    list.TruncateUserConversions(7);  // more than held: unchanged
    EXPECT_EQ(list.size(), 277);
    list.TruncateUserConversions(-3);
    EXPECT_EQ(list.size(), 275);
    list.AppendUserConversion("a", "b", 1);
    list.ClearUserConversions();
    EXPECT_EQ(list.size(), 275);
    ExpectBuiltInRowsIntact(list);
}

TEST(ConversionList, HoldsAtMostOneThousandUserConversions) {
    ConversionList list;
    for (int i = 0; i < ConversionList::kMaxUserConversions; ++i) {
        ASSERT_TRUE(list.AppendUserConversion(unit_test::NumberedUnit("x", i), "m", 1));
    }
    EXPECT_FALSE(list.AppendUserConversion("one too many", "m", 1));
    EXPECT_EQ(list.size(), 1275);
}

}  // namespace
}  // namespace quorvix
