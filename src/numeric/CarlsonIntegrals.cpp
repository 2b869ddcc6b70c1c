#include "numeric/CarlsonIntegrals.h"

#include <algorithm>
#include <cmath>

#include "numeric/NumericSupport.h"

namespace quorvix::numeric {
namespace {

// The duplication shrinks every relative deviation by a factor of about 4
// per step, so even the widest allowed spread of arguments converges in well
// under this many steps; the cap only guards against arithmetic surprises.
constexpr int kMaxDuplications = 1000;

constexpr double kRfTolerance = 0.08, kRfTiny = 1.5e-38, kRfBig = 3.0e37;
constexpr double kRfC1 = 1.0 / 24.0, kRfC2 = 0.1, kRfC3 = 3.0 / 44.0, kRfC4 = 1.0 / 14.0;

constexpr double kRdTolerance = 0.05, kRdTiny = 1.5e-38, kRdBig = 3.0e37;
constexpr double kRdC1 = 3.0 / 14.0, kRdC2 = 1.0 / 6.0, kRdC3 = 9.0 / 22.0, kRdC4 = 3.0 / 26.0;
constexpr double kRdC5 = 0.25 * kRdC3, kRdC6 = 1.5 * kRdC4;

constexpr double kRjTolerance = 0.05, kRjTiny = 2.5e-13, kRjBig = 9.0e11;
constexpr double kRjC1 = 3.0 / 14.0, kRjC2 = 1.0 / 3.0, kRjC3 = 3.0 / 22.0, kRjC4 = 3.0 / 26.0;
constexpr double kRjC5 = 0.75 * kRjC3, kRjC6 = 1.5 * kRjC4, kRjC7 = 0.5 * kRjC2,
                 kRjC8 = kRjC3 + kRjC3;

constexpr double kRcTolerance = 0.04, kRcTiny = 1.69e-38, kRcBig = 3.0e37;
constexpr double kRcC1 = 0.3, kRcC2 = 1.0 / 7.0, kRcC3 = 0.375, kRcC4 = 9.0 / 22.0;
constexpr double kRcComp1 = 1.72e19;     // beyond this a negative y needs x >= kRcComp2
constexpr double kRcComp2 = 0.01028196;

bool anyNan(double a, double b, double c, double d = 0.0) {
    return std::isnan(a) || std::isnan(b) || std::isnan(c) || std::isnan(d);
}

}  // namespace

double rf(double x, double y, double z) {
    if (anyNan(x, y, z) || std::min({x, y, z}) < 0.0 ||
        std::min({x + y, x + z, y + z}) < kRfTiny || std::max({x, y, z}) > kRfBig) {
        numerror("invalid arguments in rf");
        return 0.0;
    }
    double xt = x, yt = y, zt = z, ave, delx, dely, delz;
    int steps = 0;
    do {
        if (++steps > kMaxDuplications) {
            numerror("invalid arguments in rf");
            return 0.0;
        }
        const double sqrtx = std::sqrt(xt), sqrty = std::sqrt(yt), sqrtz = std::sqrt(zt);
        const double alamb = sqrtx * (sqrty + sqrtz) + sqrty * sqrtz;
        xt = 0.25 * (xt + alamb);
        yt = 0.25 * (yt + alamb);
        zt = 0.25 * (zt + alamb);
        ave = (xt + yt + zt) / 3.0;
        delx = (ave - xt) / ave;
        dely = (ave - yt) / ave;
        delz = (ave - zt) / ave;
    } while (std::max({std::fabs(delx), std::fabs(dely), std::fabs(delz)}) > kRfTolerance);
    const double e2 = delx * dely - delz * delz;
    const double e3 = delx * dely * delz;
    return (1.0 + (kRfC1 * e2 - kRfC2 - kRfC3 * e3) * e2 + kRfC4 * e3) / std::sqrt(ave);
}

double rd(double x, double y, double z) {
    if (anyNan(x, y, z) || std::min(x, y) < 0.0 || std::min(x + y, z) < kRdTiny ||
        std::max({x, y, z}) > kRdBig) {
        numerror("invalid arguments in rd");
        return 0.0;
    }
    double xt = x, yt = y, zt = z, sum = 0.0, fac = 1.0, ave, delx, dely, delz;
    int steps = 0;
    do {
        if (++steps > kMaxDuplications) {
            numerror("invalid arguments in rd");
            return 0.0;
        }
        const double sqrtx = std::sqrt(xt), sqrty = std::sqrt(yt), sqrtz = std::sqrt(zt);
        const double alamb = sqrtx * (sqrty + sqrtz) + sqrty * sqrtz;
        sum += fac / (sqrtz * (zt + alamb));
        fac *= 0.25;
        xt = 0.25 * (xt + alamb);
        yt = 0.25 * (yt + alamb);
        zt = 0.25 * (zt + alamb);
        ave = 0.2 * (xt + yt + 3.0 * zt);
        delx = (ave - xt) / ave;
        dely = (ave - yt) / ave;
        delz = (ave - zt) / ave;
    } while (std::max({std::fabs(delx), std::fabs(dely), std::fabs(delz)}) > kRdTolerance);
    const double ea = delx * dely;
    const double eb = delz * delz;
    const double ec = ea - eb;
    const double ed = ea - 6.0 * eb;
    const double ee = ed + ec + ec;
    return 3.0 * sum +
           fac *
               (1.0 + ed * (-kRdC1 + kRdC5 * ed - kRdC6 * delz * ee) +
                delz * (kRdC2 * ee + delz * (-kRdC3 * ec + delz * kRdC4 * ea))) /
               (ave * std::sqrt(ave));
}

double rj(double x, double y, double z, double p) {
    if (anyNan(x, y, z, p) || std::min({x, y, z}) < 0.0 ||
        std::min({x + y, x + z, y + z, std::fabs(p)}) < kRjTiny ||
        std::max({x, y, z, std::fabs(p)}) > kRjBig) {
        numerror("invalid arguments in rj");
        return 0.0;
    }
    double xt, yt, zt, pt, a = 0.0, b = 0.0, rcx = 0.0;
    if (p > 0.0) {
        xt = x;
        yt = y;
        zt = z;
        pt = p;
    } else {
        // Principal value: move p to the positive side with R_C correction.
        double sorted[3] = {x, y, z};
        std::sort(sorted, sorted + 3);
        xt = sorted[0];
        yt = sorted[1];
        zt = sorted[2];
        a = 1.0 / (yt - p);
        b = a * (zt - yt) * (yt - xt);
        pt = yt + b;
        const double rho = xt * zt / yt;
        const double tau = p * pt / yt;
        rcx = rc(rho, tau);
    }
    const double sx = xt, sy = yt, sz = zt;  // sorted values for the correction
    double sum = 0.0, fac = 1.0, ave, delx, dely, delz, delp;
    int steps = 0;
    do {
        if (++steps > kMaxDuplications) {
            numerror("invalid arguments in rj");
            return 0.0;
        }
        const double sqrtx = std::sqrt(xt), sqrty = std::sqrt(yt), sqrtz = std::sqrt(zt);
        const double alamb = sqrtx * (sqrty + sqrtz) + sqrty * sqrtz;
        const double alphaRoot = pt * (sqrtx + sqrty + sqrtz) + sqrtx * sqrty * sqrtz;
        const double alpha = alphaRoot * alphaRoot;
        const double beta = pt * (pt + alamb) * (pt + alamb);
        sum += fac * rc(alpha, beta);
        fac *= 0.25;
        xt = 0.25 * (xt + alamb);
        yt = 0.25 * (yt + alamb);
        zt = 0.25 * (zt + alamb);
        pt = 0.25 * (pt + alamb);
        ave = 0.2 * (xt + yt + zt + pt + pt);
        delx = (ave - xt) / ave;
        dely = (ave - yt) / ave;
        delz = (ave - zt) / ave;
        delp = (ave - pt) / ave;
    } while (std::max({std::fabs(delx), std::fabs(dely), std::fabs(delz), std::fabs(delp)}) >
             kRjTolerance);
    const double ea = delx * (dely + delz) + dely * delz;
    const double eb = delx * dely * delz;
    const double ec = delp * delp;
    const double ed = ea - 3.0 * ec;
    const double ee = eb + 2.0 * delp * (ea - ec);
    double ans = 3.0 * sum +
                 fac *
                     (1.0 + ed * (-kRjC1 + kRjC5 * ed - kRjC6 * ee) +
                      eb * (kRjC7 + delp * (-kRjC8 + delp * kRjC4)) +
                      delp * ea * (kRjC2 - delp * kRjC3) - kRjC2 * delp * ec) /
                     (ave * std::sqrt(ave));
    if (p <= 0.0) ans = a * (b * ans + 3.0 * (rcx - rf(sx, sy, sz)));
    return ans;
}

double rc(double x, double y) {
    if (anyNan(x, y, 0.0) || x < 0.0 || y == 0.0 || (x + std::fabs(y)) < kRcTiny ||
        (x + std::fabs(y)) > kRcBig || (y < -kRcComp1 && x > 0.0 && x < kRcComp2)) {
        numerror("invalid arguments in rc");
        return 0.0;
    }
    double xt, yt, w;
    if (y > 0.0) {
        xt = x;
        yt = y;
        w = 1.0;
    } else {
        xt = x - y;
        yt = -y;
        w = std::sqrt(x) / std::sqrt(xt);
    }
    double ave, s;
    int steps = 0;
    do {
        if (++steps > kMaxDuplications) {
            numerror("invalid arguments in rc");
            return 0.0;
        }
        const double alamb = 2.0 * std::sqrt(xt) * std::sqrt(yt) + yt;
        xt = 0.25 * (xt + alamb);
        yt = 0.25 * (yt + alamb);
        ave = (xt + yt + yt) / 3.0;
        s = (yt - ave) / ave;
    } while (std::fabs(s) > kRcTolerance);
    return w * (1.0 + s * s * (kRcC1 + s * (kRcC2 + s * (kRcC3 + s * kRcC4)))) / std::sqrt(ave);
}

}  // namespace quorvix::numeric
