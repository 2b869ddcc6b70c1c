#include <gtest/gtest.h>

#include <cerrno>

#include "numeric/NumericSupport.h"

using namespace quorvix::numeric;

TEST(Chebev, EndpointsEvaluateAndOutsideFails) {
    const double c[] = {2.0, 0.5, 0.25};  // 1 + 0.5*T1 + 0.25*T2
    errno = 0;
    // At x = b, y = 1: T1 = 1, T2 = 1.
    EXPECT_DOUBLE_EQ(chebev(0.0, 2.0, c, 3, 2.0), 1.75);
    // At x = a, y = -1: T1 = -1, T2 = 1.
    EXPECT_DOUBLE_EQ(chebev(0.0, 2.0, c, 3, 0.0), 0.75);
    EXPECT_EQ(errno, 0);
    EXPECT_EQ(chebev(0.0, 2.0, c, 3, 2.0000001), 0.0);
    EXPECT_EQ(errno, EDOM);
}

TEST(IndexedStorage, KeepsCallerIndexingAndFailsCleanly) {
    DVector v(1, 10);
    ASSERT_TRUE(v.ok());
    for (long i = 1; i <= 10; ++i) v[i] = static_cast<double>(i);
    EXPECT_EQ(v[1], 1.0);
    EXPECT_EQ(v[10], 10.0);

    DMatrix m(1, 3, 1, 3);
    ASSERT_TRUE(m.ok());
    m[2][3] = 7.0;
    m[3][1] = 8.0;
    EXPECT_EQ(m[2][3], 7.0);
    EXPECT_EQ(m[3][1], 8.0);

    errno = 0;
    DVector huge(0, (1L << 62));
    EXPECT_FALSE(huge.ok());
    EXPECT_EQ(errno, EDOM);
}
