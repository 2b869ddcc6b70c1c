#pragma once
// The policy every Boost.Math call of the numerical library goes through.
// Boost then reports through errno instead of throwing, which is the one
// failure channel of this library (see NumericSupport.h): a domain error, a
// pole or a failed evaluation sets EDOM ("Bad argument" in the engine), an
// overflow sets ERANGE and returns infinity. Underflow returns 0 quietly, as
// the library's own routines do. Internal promotion to long double stays on:
// it is what gives Boost its last digits on this platform.

#include <boost/math/policies/policy.hpp>

namespace quorvix::numeric {

namespace bmp = boost::math::policies;

using ErrnoPolicy = bmp::policy<bmp::domain_error<bmp::errno_on_error>,
                                bmp::pole_error<bmp::errno_on_error>,
                                bmp::overflow_error<bmp::errno_on_error>,
                                bmp::evaluation_error<bmp::errno_on_error>,
                                bmp::rounding_error<bmp::errno_on_error>,
                                bmp::indeterminate_result_error<bmp::errno_on_error>>;

inline constexpr ErrnoPolicy kErrnoPolicy{};

}  // namespace quorvix::numeric
