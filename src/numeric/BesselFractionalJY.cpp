#include <cmath>

#include "numeric/BesselFractional.h"
#include "numeric/BesselGammaCheb.h"
#include "numeric/BesselOrderLimit.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

using namespace detail;

BesselJYValues bessjy(double x, double nu) {
    BesselJYValues out;
    if (!(x > 0.0) || !(nu >= 0.0) || !std::isfinite(x) || !std::isfinite(nu)) {
        numerror("bad arguments in bessjy");
        return out;
    }
    // Number of orders between nu and mu, with |mu| <= 1/2 (series) or
    // mu near x (continued fraction). Computed in double first: nu - x may
    // be far outside the range of any integer type.
    const double nlReal = x < kSeriesBelow ? std::floor(nu + 0.5) : std::floor(nu - x + 1.5);
    if (nlReal > static_cast<double>(kMaxRecurrenceSteps)) {
        numerror("order too large in bessjy");
        return out;
    }
    const long long nl = nlReal > 0.0 ? static_cast<long long>(nlReal) : 0;
    const double xmu = nu - static_cast<double>(nl);
    const double xmu2 = xmu * xmu;
    const double xi = 1.0 / x;
    const double xi2 = 2.0 * xi;
    const double w = xi2 * kOneOverPi;

    // CF1: J'_nu / J_nu, tracking the sign of J_nu.
    int isign = 1;
    double h = nu * xi;
    if (h < kFpMin) h = kFpMin;
    double b = xi2 * nu, d = 0.0, c = h;
    int i = 1;
    for (; i <= kMaxIterations; ++i) {
        b += xi2;
        d = b - d;
        if (std::fabs(d) < kFpMin) d = kFpMin;
        c = b - 1.0 / c;
        if (std::fabs(c) < kFpMin) c = kFpMin;
        d = 1.0 / d;
        const double del = c * d;
        h = del * h;
        if (d < 0.0) isign = -isign;
        if (std::fabs(del - 1.0) < kEps) break;
    }
    if (i > kMaxIterations) {
        numerror("x too large in bessjy; try asymptotic expansion");
        return out;
    }

    // Downward recurrence from order nu to order mu.
    double rjl = isign * kFpMin;
    double rjpl = h * rjl;
    double rjl1 = rjl, rjp1 = rjpl;
    double fact = nu * xi;
    for (long long l = nl; l >= 1; --l) {
        const double rjtemp = fact * rjl + rjpl;
        fact -= xi;
        rjpl = fact * rjtemp - rjl;
        rjl = rjtemp;
        if (std::fabs(rjl) > kRescaleAbove) {
            rjl *= kRescaleBy;
            rjpl *= kRescaleBy;
            rjl1 *= kRescaleBy;
            rjp1 *= kRescaleBy;
        }
    }
    if (rjl == 0.0) rjl = kEps;
    const double f = rjpl / rjl;

    double rjmu, rymu, rymup, ry1;
    if (x < kSeriesBelow) {
        // Temme's series for Y_mu and Y_mu+1.
        const TemmeStart t = temmeStart(x, xmu);
        const double x2 = t.x2;
        const GammaChebValues& g = t.g;
        double ff = kTwoOverPi * t.ff;
        double p = t.expE / (g.gampl * kPi);
        double q = 1.0 / (t.expE * kPi * g.gammi);
        const double pimu2 = 0.5 * t.pimu;
        const double fact3 = std::fabs(pimu2) < kEps ? 1.0 : std::sin(pimu2) / pimu2;
        const double r = kPi * pimu2 * fact3 * fact3;
        c = 1.0;
        d = -x2 * x2;
        double sum = ff + r * q;
        double sum1 = p;
        for (i = 1; i <= kMaxIterations; ++i) {
            ff = (i * ff + p + q) / (static_cast<double>(i) * i - xmu2);
            c *= d / i;
            p /= i - xmu;
            q /= i + xmu;
            const double del = c * (ff + r * q);
            sum += del;
            sum1 += c * p - i * del;
            if (std::fabs(del) < (1.0 + std::fabs(sum)) * kEps) break;
        }
        if (i > kMaxIterations) {
            numerror("bessy series failed to converge");
            return out;
        }
        rymu = -sum;
        ry1 = -sum1 * xi2;
        rymup = xmu * xi * rymu - ry1;
        rjmu = w / (rymup - f * rymu);
    } else {
        // Steed's method: CF2 for p + iq in complex arithmetic.
        double a = 0.25 - xmu2;
        double p = -0.5 * xi;
        double q = 1.0;
        const double br = 2.0 * x;
        double bi = 2.0;
        double factC = a * xi / (p * p + q * q);
        double cr = br + q * factC;
        double ci = bi + p * factC;
        double den = br * br + bi * bi;
        double dr = br / den;
        double di = -bi / den;
        double dlr = cr * dr - ci * di;
        double dli = cr * di + ci * dr;
        double temp = p * dlr - q * dli;
        q = p * dli + q * dlr;
        p = temp;
        for (i = 2; i <= kMaxIterations; ++i) {
            a += 2 * (i - 1);
            bi += 2.0;
            dr = a * dr + br;
            di = a * di + bi;
            if (std::fabs(dr) + std::fabs(di) < kFpMin) dr = kFpMin;
            factC = a / (cr * cr + ci * ci);
            cr = br + cr * factC;
            ci = bi - ci * factC;
            if (std::fabs(cr) + std::fabs(ci) < kFpMin) cr = kFpMin;
            den = dr * dr + di * di;
            dr /= den;
            di /= -den;
            dlr = cr * dr - ci * di;
            dli = cr * di + ci * dr;
            temp = p * dlr - q * dli;
            q = p * dli + q * dlr;
            p = temp;
            if (std::fabs(dlr - 1.0) + std::fabs(dli) < kEps) break;
        }
        if (i > kMaxIterations) {
            numerror("cf2 failed in bessjy");
            return out;
        }
        const double gam = (p - f) / q;
        rjmu = std::sqrt(w / ((p - f) * gam + q));
        rjmu = std::copysign(rjmu, rjl);
        rymu = rjmu * gam;
        rymup = rymu * (p + q / gam);
        ry1 = xmu * xi * rymu - rymup;
    }

    const double scale = rjmu / rjl;
    out.j = rjl1 * scale;
    out.jp = rjp1 * scale;
    for (long long k = 1; k <= nl; ++k) {
        const double rytemp = (xmu + static_cast<double>(k)) * xi2 * ry1 - rymu;
        rymu = ry1;
        ry1 = rytemp;
    }
    out.y = rymu;
    out.yp = nu * xi * rymu - ry1;
    return out;
}

}  // namespace quorvix::numeric
