#pragma once
// Shared checks for the special-function tests: relative closeness to an
// independently computed reference value, and a call wrapper that records
// whether the routine reported a failure through errno.

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>

namespace quorvix::numeric::testing {

// |got - want| <= tol * |want| (or <= tol when want is 0).
inline ::testing::AssertionResult RelativelyNear(double got, double want, double tol) {
    const double scale = want == 0.0 ? 1.0 : std::fabs(want);
    const double err = std::fabs(got - want) / scale;
    if (err <= tol) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got " << got << ", want " << want << " (relative error " << err << " > " << tol
           << ")";
}

// Runs f with errno cleared and tells whether it reported EDOM.
template <typename F>
bool Fails(F&& f) {
    errno = 0;
    f();
    return errno == EDOM;
}

}  // namespace quorvix::numeric::testing
