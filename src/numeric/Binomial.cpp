#include "numeric/Binomial.h"

#include <boost/math/special_functions/binomial.hpp>
#include <cmath>
#include <cstdint>
#include <limits>

#include "numeric/BoostPolicy.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

constexpr std::uint64_t kExactLimit = std::uint64_t{1} << 53;

}  // namespace

double bico(long long n, long long k) {
    if (n < 0 || k < 0 || k > n) {
        numerror("Bad arguments in routine bico");
        return 0.0;
    }
    if (k > n - k) k = n - k;
    // C(n, i) = C(n, i-1) (n-i+1) / i is an integer at every step; the
    // product fits 128 bits while C(n, i-1) < 2^53, as n < 2^63.
    // Since k <= n/2 the value at least doubles with each step beyond the
    // first few, so this loop is short even for huge n.
    unsigned __int128 c = 1;
    long long i = 1;
    for (; i <= k && c < kExactLimit; ++i) {
        c = c * static_cast<unsigned __int128>(n - i + 1) / static_cast<unsigned __int128>(i);
    }
    if (i > k && c < kExactLimit) return static_cast<double>(static_cast<std::uint64_t>(c));
    if (n <= static_cast<long long>(std::numeric_limits<unsigned>::max())) {
        // In long double: near the top of the double range the beta
        // function it goes through is subnormal in double.
        return static_cast<double>(boost::math::binomial_coefficient<long double>(
            static_cast<unsigned>(n), static_cast<unsigned>(k), kErrnoPolicy));
    }
    // Beyond Boost's argument range (never reached from the engine, whose
    // arguments are 32-bit): log-gamma differences.
    const double nd = static_cast<double>(n);
    const double kd = static_cast<double>(k);
    return std::exp(std::lgamma(nd + 1.0) - std::lgamma(kd + 1.0) - std::lgamma(nd - kd + 1.0));
}

}  // namespace quorvix::numeric
