#include "numeric/GammaIncomplete.h"

#include <cmath>

#include "numeric/Gamma.h"
#include "numeric/GammaExp.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

constexpr int kMaxIterations = 100;
constexpr double kPrecision = 3.0e-15;
constexpr double kTiny = 1.0e-200;  // smallest magnitude kept in the fraction

// e^-x x^a / Γ(a), the factor shared by the series and the fraction.
double Prefactor(double a, double x) { return ExpWithoutUnderflowError(-x + a * std::log(x) - gammaln(a)); }

bool InvalidArguments(double a, double x) { return x < 0.0 || a <= 0.0 || std::isnan(a) || std::isnan(x); }

}  // namespace

double gser(double a, double x) {
    if (x <= 0.0) {
        if (x < 0.0) numerror("x less than 0 in routine gser");
        return 0.0;
    }
    double ap = a;
    double del = 1.0 / a;
    double sum = del;
    for (int n = 1; n <= kMaxIterations; ++n) {
        ap += 1.0;
        del *= x / ap;
        sum += del;
        if (std::fabs(del) < std::fabs(sum) * kPrecision) return sum * Prefactor(a, x);
    }
    numerror("a too large, ITMAX too small in routine gser");
    return 0.0;
}

double gcf(double a, double x) {
    double b = x + 1.0 - a;
    double c = 1.0 / kTiny;
    double d = 1.0 / b;
    double h = d;
    for (int i = 1; i <= kMaxIterations; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < kTiny) d = kTiny;
        c = b + an / c;
        if (std::fabs(c) < kTiny) c = kTiny;
        d = 1.0 / d;
        const double del = d * c;
        h *= del;
        if (std::fabs(del - 1.0) < kPrecision) return Prefactor(a, x) * h;
    }
    numerror("a too large, ITMAX too small in gcf");
    return 0.0;
}

double gammp(double a, double x) {
    if (InvalidArguments(a, x)) {
        numerror("Invalid arguments in routine gammp");
        return 0.0;
    }
    if (x < a + 1.0) return gser(a, x);
    return 1.0 - gcf(a, x);
}

double gammq(double a, double x) {
    if (InvalidArguments(a, x)) {
        numerror("Invalid arguments in routine gammq");
        return 0.0;
    }
    if (x < a + 1.0) return 1.0 - gser(a, x);
    return gcf(a, x);
}

}  // namespace quorvix::numeric
