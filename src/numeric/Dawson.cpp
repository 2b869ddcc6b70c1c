#include "numeric/Dawson.h"

#include <array>
#include <cmath>

namespace quorvix::numeric {
namespace {

using Wide = long double;

constexpr double kSeriesBelow = 0.2;
constexpr double kAsymptoticFrom = 50.0;
constexpr Wide kStep = 0.2L;
// Samples up to (2 kTerms - 1) kStep = 6.6 from the centre: beyond that the
// weights exp(-(n h)^2) are below 1e-18.
constexpr int kTerms = 17;
constexpr Wide kOneOverRootPi = 0.564189583547756286948079451560772586L;

// exp(-((2i - 1) h)^2) for i = 1..kTerms.
const std::array<Wide, kTerms + 1>& Weights() {
    static const std::array<Wide, kTerms + 1> table = [] {
        std::array<Wide, kTerms + 1> t{};
        for (int i = 1; i <= kTerms; ++i) {
            const Wide v = (2 * i - 1) * kStep;
            t[i] = std::exp(-v * v);
        }
        return t;
    }();
    return table;
}

// F(x) = sum over n >= 0 of (-2)^n x^(2n+1) / (2n+1)!!.
double Series(double x) {
    const double x2 = x * x;
    double term = x, sum = x;
    for (int n = 1; std::fabs(term) > 1e-18 * std::fabs(sum); ++n) {
        term *= -2.0 * x2 / (2 * n + 1);
        sum += term;
    }
    return sum;
}

// F(x) ~ 1/(2x) sum over n >= 0 of (2n-1)!! / (2x^2)^n, for large |x|.
double Asymptotic(double x) {
    const double y = 1.0 / (2.0 * x * x);
    double term = 1.0, sum = 1.0;
    for (int n = 1; term > 1e-18; ++n) {
        term *= (2 * n - 1) * y;
        sum += term;
    }
    return sum * (0.5 / x);
}

// Rybicki: F(x) = lim_{h->0} (1/sqrt(pi)) sum over odd n of
// exp(-(x - n h)^2) / n, centred on the even sample nearest to x.
double Rybicki(double x) {
    const Wide xx = std::fabs(x);
    const Wide nd = 2.0L * std::floor(0.5L + xx / (2.0L * kStep));
    const Wide xp = xx - nd * kStep;
    Wide e1 = std::exp(2.0L * kStep * xp);
    const Wide e2 = e1 * e1;
    Wide d1 = nd + 1.0L, d2 = d1 - 2.0L;
    Wide sum = 0.0L;
    const auto& w = Weights();
    for (int i = 1; i <= kTerms; ++i, d1 += 2.0L, d2 -= 2.0L, e1 *= e2) sum += w[i] * (e1 / d1 + 1.0L / (d2 * e1));
    return std::copysign(static_cast<double>(kOneOverRootPi * std::exp(-xp * xp) * sum), x);
}

}  // namespace

double dawsonfn(double x) {
    const double ax = std::fabs(x);
    if (ax < kSeriesBelow) return Series(x);
    if (ax >= kAsymptoticFrom) return Asymptotic(x);
    return Rybicki(x);
}

}  // namespace quorvix::numeric
