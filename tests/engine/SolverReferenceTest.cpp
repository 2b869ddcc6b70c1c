#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "EngineTestSupport.h"
#include "reference/SolverReference.h"

// Every solver operator, and SUM and AVE, against the mpmath table: each
// answer within a relative error below the ten digits shown by default
// (an answer may be cut to the digits its error estimate vouches for).

using namespace quorvix;
using quorvix::test::SolverReference;

namespace {

class SolverReferenceTest : public test::EngineTest {
protected:
    template <std::size_t N>
    void CheckTable(const SolverReference (&table)[N], double relative) {
        e.setAngleUnit(1);
        for (const SolverReference& row : table) {
            const test::Outcome o = test::Calc(e, row.line);
            EXPECT_EQ(o.code, kNoError) << row.line;
            const double allowed = row.relative > 0.0 ? row.relative : relative;
            EXPECT_NEAR(o.value, row.value, allowed * std::fabs(row.value)) << row.line;
        }
    }
};

}  // namespace

TEST_F(SolverReferenceTest, Integrals) { CheckTable(quorvix::test::kFintReference, 1e-10); }
TEST_F(SolverReferenceTest, Derivatives) { CheckTable(quorvix::test::kFdiffReference, 1e-10); }
TEST_F(SolverReferenceTest, Roots) { CheckTable(quorvix::test::kFzeroReference, 1e-11); }
// Sums are compensated: within a unit or two in the last place.
TEST_F(SolverReferenceTest, Sums) { CheckTable(quorvix::test::kFsumReference, 4e-16); }
TEST_F(SolverReferenceTest, SumAndAverage) { CheckTable(quorvix::test::kSumAveReference, 4e-16); }
