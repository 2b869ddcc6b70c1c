#include "numeric/JacobiElliptic.h"

#include <cmath>

namespace quorvix::numeric {
namespace {

constexpr double kAgmAgreement = 0.0003;
constexpr int kMaxAgmSteps = 13;

}  // namespace

JacobiValues jacobielliptic(double u, double mc) {
    JacobiValues out;
    if (mc == 0.0) {
        out.cn = out.dn = 1.0 / std::cosh(u);
        out.sn = std::tanh(u);
        return out;
    }
    // k^2 = 1 - mc > 1: with the reciprocal modulus 1/k the parameter is
    // 1/k^2, so the new complementary parameter is 1 - 1/(1 - mc) =
    // -mc / (1 - mc), and sn(u|k) = sn(k u|1/k) / k, cn and dn swap.
    const bool reciprocal = mc < 0.0;
    double rootD = 1.0;
    if (reciprocal) {
        const double d = 1.0 - mc;
        mc = -mc / d;
        rootD = std::sqrt(d);
        u *= rootD;
    }
    double em[kMaxAgmSteps + 1], en[kMaxAgmSteps + 1];
    double a = 1.0, c = 1.0;
    double dn = 1.0;
    int last = 0;
    for (int i = 1; i <= kMaxAgmSteps; ++i) {
        last = i;
        em[i] = a;
        mc = std::sqrt(mc);
        en[i] = mc;
        c = 0.5 * (a + mc);
        if (std::fabs(a - mc) <= kAgmAgreement * a) break;
        mc *= a;
        a = c;
    }
    u *= c;
    double sn = std::sin(u);
    double cn = std::cos(u);
    if (sn != 0.0) {
        a = cn / sn;
        c *= a;
        for (int i = last; i >= 1; --i) {
            const double b = em[i];
            a *= c;
            c *= dn;
            dn = (en[i] + a) / (b + a);
            a = c / b;
        }
        a = 1.0 / std::sqrt(c * c + 1.0);
        sn = sn >= 0.0 ? a : -a;
        cn = c * sn;
    }
    if (reciprocal) {
        const double t = dn;
        dn = cn;
        cn = t;
        sn /= rootD;
    }
    out.sn = sn;
    out.cn = cn;
    out.dn = dn;
    return out;
}

}  // namespace quorvix::numeric
