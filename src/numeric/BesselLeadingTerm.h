#pragma once
// The leading term of the power series of J_n and I_n, (x/2)^n / n!, for
// arguments so small that the next term (x^2 / (4 (n + 1)) times smaller)
// is below double precision. Miller's recurrences overflow there instead of
// reaching these tiny values.

#include <cmath>

namespace quorvix::numeric {

// Below this |x| the leading term is exact to double precision.
inline constexpr double kLeadingTermBelow = 1.0e-8;

// (x/2)^n / n!, with the sign of x^n. The product underflows gracefully;
// it stops once it is 0, which happens within a few dozen factors.
inline double besselLeadingTerm(int n, double x) {
    const double half = 0.5 * x;
    double term = 1.0;
    for (int k = 1; k <= n && term != 0.0; ++k) term *= half / k;
    return term;
}

}  // namespace quorvix::numeric
