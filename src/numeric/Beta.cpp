#include "numeric/Beta.h"

#include <cmath>

#include "numeric/Gamma.h"
#include "numeric/GammaExp.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

constexpr int kMaxIterations = 100;
constexpr double kPrecision = 3.0e-15;
constexpr double kTiny = 1.0e-200;

double Floored(double v) { return std::fabs(v) < kTiny ? kTiny : v; }

}  // namespace

double betafn(double z, double w) { return ExpWithoutUnderflowError(gammaln(z) + gammaln(w) - gammaln(z + w)); }

double betacf(double a, double b, double x) {
    const double qab = a + b;
    const double qap = a + 1.0;
    const double qam = a - 1.0;
    double c = 1.0;
    double d = 1.0 / Floored(1.0 - qab * x / qap);
    double h = d;
    for (int m = 1; m <= kMaxIterations; ++m) {
        const int m2 = 2 * m;
        // Even step of the fraction.
        double aa = m * (b - m) * x / ((qam + m2) * (a + m2));
        d = 1.0 / Floored(1.0 + aa * d);
        c = Floored(1.0 + aa / c);
        h *= d * c;
        // Odd step.
        aa = -(a + m) * (qab + m) * x / ((a + m2) * (qap + m2));
        d = 1.0 / Floored(1.0 + aa * d);
        c = Floored(1.0 + aa / c);
        const double del = d * c;
        h *= del;
        if (std::fabs(del - 1.0) < kPrecision) return h;
    }
    numerror("a or b too big, or MAXIT too small in betacf");
    return 0.0;
}

double betai(double a, double b, double x) {
    if (!(x >= 0.0 && x <= 1.0)) {
        numerror("Bad x in routine betai");
        return 0.0;
    }
    double bt = 0.0;
    if (x != 0.0 && x != 1.0)
        bt = ExpWithoutUnderflowError(gammaln(a + b) - gammaln(a) - gammaln(b) + a * std::log(x) +
                      b * std::log(1.0 - x));
    if (x < (a + 1.0) / (a + b + 2.0)) return bt * betacf(a, b, x) / a;
    return 1.0 - bt * betacf(b, a, 1.0 - x) / b;
}

}  // namespace quorvix::numeric
