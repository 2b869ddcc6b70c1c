#include "numeric/BesselHankel.h"

#include <cmath>

#include "numeric/QuadPhase.h"

namespace quorvix::numeric {

bool besselHankel(double nu, double x, HankelValues& out) {
    constexpr int kMaxTerms = 120;
    const double mu = 4.0 * nu * nu;
    double p = 1.0, q = 0.0;
    double term = 1.0;
    double previous = INFINITY;
    bool converged = false;
    for (int k = 1; k <= kMaxTerms; ++k) {
        const double odd = 2.0 * k - 1.0;
        term *= (mu - odd * odd) / (k * 8.0 * x);
        const double size = std::fabs(term);
        if (size == 0.0 || size < 1e-17) {
            converged = true;
            break;
        }
        if (size > previous) return false;
        previous = size;
        // a_k / x^k enters P (even k) or Q (odd k) with sign (-1)^(k/2).
        const double signed_term = ((k / 2) % 2 == 0) ? term : -term;
        (k % 2 == 0 ? p : q) += signed_term;
    }
    if (!converged) return false;
    const quad shift = static_cast<quad>(std::atan2(q, p)) -
                       (static_cast<quad>(nu) / 2 + 0.25) * 2 * quadHalfPi();
    const CosSin w = cosSinOfSum(x, shift);
    const double amp = std::sqrt(2.0 / M_PI) / std::sqrt(x) * std::hypot(p, q);
    out = {amp * w.c, amp * w.s};
    return true;
}

}  // namespace quorvix::numeric
