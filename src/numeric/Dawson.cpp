#include "numeric/Dawson.h"

#include <cmath>

namespace quorvix::numeric {
namespace {

constexpr int kTerms = 6;
constexpr double kStep = 0.4;
constexpr double kTwoThirds = 0.6666666666666666;
constexpr double kTwoSevenths = 0.2857142857142857;
constexpr double kOneOverRootPi = 0.5641895835;  // as stored, ten digits
// Beyond this the sample index 2.5|x| no longer fits a double; F(x) there
// equals 1/(2x) to full precision (the next term is 1/(2x^2) smaller).
constexpr double kAsymptoticFrom = 1.0e300;

// exp(-((2i - 1) * 0.4)^2) for i = 1..6, filled on the first call.
double table[kTerms + 1];
bool tableFilled = false;

}  // namespace

double dawsonfn(double x) {
    if (!tableFilled) {
        for (int i = 1; i <= kTerms; ++i) {
            const double v = (2.0 * i - 1.0) * kStep;
            table[i] = std::exp(-v * v);
        }
        tableFilled = true;
    }
    if (std::fabs(x) < 0.2) {
        const double x2 = x * x;
        return x * (1.0 - kTwoThirds * x2 * (1.0 - 0.4 * x2 * (1.0 - kTwoSevenths * x2)));
    }
    const double xx = std::fabs(x);
    if (xx > kAsymptoticFrom && std::isfinite(xx)) return 0.5 / x;
    const double nd = 2.0 * std::floor(0.5 + 1.25 * xx);
    const double xp = xx - nd * kStep;
    double e1 = std::exp(2.0 * kStep * xp);
    const double e2 = e1 * e1;
    double d1 = nd + 1.0;
    double d2 = d1 - 2.0;
    double sum = 0.0;
    for (int i = 1; i <= kTerms; ++i, d1 += 2.0, d2 -= 2.0, e1 *= e2) {
        sum += table[i] * (e1 / d1 + 1.0 / (d2 * e1));
    }
    return std::copysign(kOneOverRootPi * std::exp(-xp * xp), x) * sum;
}

}  // namespace quorvix::numeric
