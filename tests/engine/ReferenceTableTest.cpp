// Trigonometry in every angle unit, BICO and the annuity functions against
// tables computed with mpmath (scripts/reference/angles_annuities.py).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "EngineTestSupport.h"

using namespace quorvix;

namespace {

struct AngleRow {
    AngleUnit unit;
    const char* expression;
    double expected;
};

const AngleRow kAngleRows[] = {
#include "AngleReferenceTable.inc"
};

struct AnnuityRow {
    const char* expression;
    double expected;
};

const AnnuityRow kAnnuityRows[] = {
#include "AnnuityReferenceTable.inc"
};

// Units in the last place between two finite doubles (0 for equal values).
double UlpsApart(double a, double b) {
    if (a == b) return 0.0;
    const double scale = std::fmax(std::fabs(a), std::fabs(b));
    return std::fabs(a - b) / (std::nextafter(scale, INFINITY) - scale);
}

// The answer as the calculator shows it by default: 10 significant digits.
std::string Shown(double x) {
    char text[40];
    std::snprintf(text, sizeof text, "%.10G", x);
    return text;
}

class ReferenceTableTest : public test::EngineTest {
protected:
    // Within `ulps` of the reference, an exact reference (0, +-1, whole
    // numbers) met exactly, and the default display identical.
    void Check(const char* expression, double expected, double ulps) {
        const test::Outcome o = test::Calc(e, expression);
        ASSERT_EQ(o.code, kNoError) << expression;
        if (expected == std::trunc(expected) && std::fabs(expected) < 1e15) {
            EXPECT_EQ(o.value, expected) << expression;
        }
        EXPECT_LE(UlpsApart(o.value, expected), ulps) << expression << " = " << o.value << ", not " << expected;
        EXPECT_EQ(Shown(o.value), Shown(expected)) << expression;
    }
};

}  // namespace

TEST_F(ReferenceTableTest, TrigonometryInEveryUnitAndBinomials) {
    for (const AngleRow& row : kAngleRows) {
        e.setAngleUnit(row.unit);
        Check(row.expression, row.expected, 2.0);
    }
}

TEST_F(ReferenceTableTest, AnnuityFunctions) {
    for (const AnnuityRow& row : kAnnuityRows) Check(row.expression, row.expected, 16.0);
}
