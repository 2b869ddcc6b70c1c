#pragma once
// The check applied to the result of every call: a non-finite value or a
// math error in errno becomes the call's EvalError.

#include <cerrno>
#include <cfloat>
#include <cmath>

#include "engine/EvalError.h"

namespace quorvix {

// EDOM (or a non-finite value) gives "Bad argument", ERANGE "Result too
// large", anything else code 16. A range error with a tiny result is an
// underflow to 0 or a subnormal, which is a valid result.
inline EvalError CheckResult(double value) {
    int e = errno;
    if (!std::isfinite(value)) e = EDOM;
    if (e == 0) return kNoError;
    if (e == ERANGE && std::fabs(value) <= DBL_MIN) {
        errno = 0;
        return kNoError;
    }
    errno = e;
    if (e == EDOM) return kBadArgument;
    if (e == ERANGE) return kResultTooLarge;
    return kUnknownMathError;
}

}  // namespace quorvix
