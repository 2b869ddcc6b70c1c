#include "numeric/ExponentialIntegral.h"

#include <cmath>

#include "numeric/GammaExp.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

constexpr int kMaxIterations = 100;
constexpr double kExpintPrecision = 1.0e-15;
constexpr double kEiPrecision = 6.0e-15;
constexpr double kEulerGamma = 0.5772156649015329;
constexpr double kTiny = 1.0e-200;

}  // namespace

double expint(int n, double x) {
    if (n < 0 || x < 0.0 || (x == 0.0 && (n == 0 || n == 1)) || std::isnan(x)) {
        numerror("bad arguments in expint");
        return 0.0;
    }
    if (n == 0) return ExpWithoutUnderflowError(-x) / x;
    // n - 1 in double: n may be as large as an int allows.
    const double nm1 = static_cast<double>(n) - 1.0;
    if (x == 0.0) return 1.0 / nm1;
    if (x > 1.0) {
        // Continued fraction (modified Lentz), good for x > 1.
        double b = x + static_cast<double>(n);
        double c = 1.0 / kTiny;
        double d = 1.0 / b;
        double h = d;
        for (int i = 1; i <= kMaxIterations; ++i) {
            const double an = -static_cast<double>(i) * (nm1 + i);
            b += 2.0;
            d = 1.0 / (an * d + b);
            c = b + an / c;
            const double del = c * d;
            h *= del;
            if (std::fabs(del - 1.0) < kExpintPrecision) return h * ExpWithoutUnderflowError(-x);
        }
        numerror("continued fraction failed in expint");
        return 0.0;
    }
    // Power series, 0 < x <= 1.
    double ans = (n != 1) ? 1.0 / nm1 : -std::log(x) - kEulerGamma;
    double fact = 1.0;
    for (int i = 1; i <= kMaxIterations; ++i) {
        fact *= -x / i;
        double del;
        if (i != nm1) {
            del = -fact / (i - nm1);
        } else {
            // The term where the series meets the digamma function ψ(n).
            double psi = -kEulerGamma;
            for (int m = 1; m <= i; ++m) psi += 1.0 / m;
            del = fact * (-std::log(x) + psi);
        }
        ans += del;
        if (std::fabs(del) < std::fabs(ans) * kExpintPrecision) return ans;
    }
    numerror("series failed in expint");
    return 0.0;
}

double ei(double x) {
    if (!(x > 0.0)) {
        numerror("Bad argument in ei");
        return 0.0;
    }
    if (x < kTiny) return std::log(x) + kEulerGamma;
    if (x <= -std::log(kEiPrecision)) {
        // Power series.
        double sum = 0.0;
        double fact = 1.0;
        int k = 1;
        for (; k <= kMaxIterations; ++k) {
            fact *= x / k;
            const double term = fact / k;
            sum += term;
            if (term < kEiPrecision * sum) break;
        }
        if (k > kMaxIterations) {
            numerror("Series failed in ei");
            return 0.0;
        }
        return sum + std::log(x) + kEulerGamma;
    }
    // Asymptotic series: add terms while they shrink.
    double sum = 0.0;
    double term = 1.0;
    for (int k = 1; k <= kMaxIterations; ++k) {
        const double prev = term;
        term *= k / x;
        if (term < kEiPrecision) break;
        if (term < prev) {
            sum += term;
        } else {
            sum -= prev;
            break;
        }
    }
    return std::exp(x) * (1.0 + sum) / x;
}

}  // namespace quorvix::numeric
