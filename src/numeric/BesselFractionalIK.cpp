#include <cmath>

#include "numeric/BesselFractional.h"
#include "numeric/BesselGammaCheb.h"
#include "numeric/BesselOrderLimit.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

using namespace detail;

BesselIKValues bessik(double x, double nu) {
    BesselIKValues out;
    if (!(x > 0.0) || !(nu >= 0.0) || !std::isfinite(x) || !std::isfinite(nu)) {
        numerror("bad arguments in bessik");
        return out;
    }
    const double nlReal = std::floor(nu + 0.5);
    if (nlReal > static_cast<double>(kMaxRecurrenceSteps)) {
        numerror("order too large in bessik");
        return out;
    }
    const long long nl = static_cast<long long>(nlReal);
    const double xmu = nu - static_cast<double>(nl);
    const double xmu2 = xmu * xmu;
    const double xi = 1.0 / x;
    const double xi2 = 2.0 * xi;

    // CF1: I'_nu / I_nu.
    double h = nu * xi;
    if (h < kFpMin) h = kFpMin;
    double b = xi2 * nu, d = 0.0, c = h;
    int i = 1;
    for (; i <= kMaxIterations; ++i) {
        b += xi2;
        d = 1.0 / (b + d);
        c = b + 1.0 / c;
        const double del = c * d;
        h = del * h;
        if (std::fabs(del - 1.0) < kEps) break;
    }
    if (i > kMaxIterations) {
        numerror("x too large in bessik; try asymptotic expansion");
        return out;
    }

    // Downward recurrence from order nu to order mu.
    double ril = kFpMin;
    double ripl = h * ril;
    double ril1 = ril, rip1 = ripl;
    double fact = nu * xi;
    for (long long l = nl; l >= 1; --l) {
        const double ritemp = fact * ril + ripl;
        fact -= xi;
        ripl = fact * ritemp + ril;
        ril = ritemp;
        if (std::fabs(ril) > kRescaleAbove) {
            ril *= kRescaleBy;
            ripl *= kRescaleBy;
            ril1 *= kRescaleBy;
            rip1 *= kRescaleBy;
        }
    }
    const double f = ripl / ril;

    double rkmu, rk1;
    if (x < kSeriesBelow) {
        // Temme's series for K_mu and K_mu+1.
        const TemmeStart t = temmeStart(x, xmu);
        const double x2 = t.x2;
        const GammaChebValues& g = t.g;
        double ff = t.ff;
        double sum = ff;
        double p = 0.5 * t.expE / g.gampl;
        double q = 0.5 / (t.expE * g.gammi);
        c = 1.0;
        d = x2 * x2;
        double sum1 = p;
        for (i = 1; i <= kMaxIterations; ++i) {
            ff = (i * ff + p + q) / (static_cast<double>(i) * i - xmu2);
            c *= d / i;
            p /= i - xmu;
            q /= i + xmu;
            const double del = c * ff;
            sum += del;
            sum1 += c * (p - i * ff);
            if (std::fabs(del) < std::fabs(sum) * kEps) break;
        }
        if (i > kMaxIterations) {
            numerror("bessk series failed to converge");
            return out;
        }
        rkmu = sum;
        rk1 = sum1 * xi2;
    } else {
        // Steed's method: CF2 together with the series for the normalisation.
        b = 2.0 * (1.0 + x);
        d = 1.0 / b;
        double delh = d;
        h = d;
        double q1 = 0.0, q2 = 1.0;
        const double a1 = 0.25 - xmu2;
        double q = a1;
        c = a1;
        double a = -a1;
        double s = 1.0 + q * delh;
        for (i = 2; i <= kMaxIterations; ++i) {
            a -= 2 * (i - 1);
            c = -a * c / i;
            const double qnew = (q1 - b * q2) / a;
            q1 = q2;
            q2 = qnew;
            q += c * qnew;
            b += 2.0;
            d = 1.0 / (b + a * d);
            delh = (b * d - 1.0) * delh;
            h += delh;
            const double dels = q * delh;
            s += dels;
            if (std::fabs(dels / s) < kEps) break;
        }
        if (i > kMaxIterations) {
            numerror("bessik: failure to converge in cf2");
            return out;
        }
        h = a1 * h;
        rkmu = std::sqrt(kPi / (2.0 * x)) * std::exp(-x) / s;
        rk1 = rkmu * (xmu + x + 0.5 - h) * xi;
    }

    const double rkmup = xmu * xi * rkmu - rk1;
    const double rimu = xi / (f * rkmu - rkmup);
    out.i = (rimu * ril1) / ril;
    out.ip = (rimu * rip1) / ril;
    for (long long k = 1; k <= nl; ++k) {
        const double rktemp = (xmu + static_cast<double>(k)) * xi2 * rk1 + rkmu;
        rkmu = rk1;
        rk1 = rktemp;
    }
    out.k = rkmu;
    out.kp = nu * xi * rkmu - rk1;
    return out;
}

}  // namespace quorvix::numeric
