#include "numeric/Annuity.h"

#include <cmath>

namespace quorvix::numeric {
namespace {

// (1 + x)^n - 1 without the cancellation of pow(1 + x, n) - 1 when x is tiny:
// for x = 1e-20 the plain form gives 0, and every formula that divides it by
// the rate would lose the payments entirely. Falls back to pow where the
// logarithmic form is undefined (1 + x <= 0, non-finite inputs).
double GrowthMinusOne(double x, double n) {
    if (std::isfinite(x) && std::isfinite(n) && x > -1.0) {
        return std::expm1(n * std::log1p(x));
    }
    return std::pow(1.0 + x, n) - 1.0;
}

// The growth factor g = (1 + rate)^n together with g - 1. Both come from the
// same logarithm so that g / (g - 1) stays smooth as the rate approaches 0
// (a separately rounded pow(1 + rate, n) would jump in steps of 2^-52).
struct Growth {
    double g;
    double gm1;
};

Growth GrowthOf(double rate, double n) {
    const double gm1 = GrowthMinusOne(rate, n);
    return {1.0 + gm1, gm1};
}

}  // namespace

double PV(double rate, double nper, double pmt, double fv, int type) {
    if (rate == 0.0) return -fv - pmt * nper;
    const auto [g, gm1] = GrowthOf(rate, nper);
    return -(fv + pmt * (1.0 + rate * type) * gm1 / rate) / g;
}

double FV(double rate, double nper, double pmt, double pv, int type) {
    if (rate == 0.0) return -pv - pmt * nper;
    const auto [g, gm1] = GrowthOf(rate, nper);
    return -(pv * g + pmt * (1.0 + rate * type) * gm1 / rate);
}

double PMT(double rate, double nper, double pv, double fv, int type) {
    if (rate == 0.0) return -(pv + fv) / nper;
    const auto [g, gm1] = GrowthOf(rate, nper);
    return -rate * (pv * g + fv) / ((1.0 + rate * type) * gm1);
}

double NPER(double rate, double pmt, double pv, double fv, int type) {
    if (rate == 0.0) return -(pv + fv) / pmt;
    const double h = pmt * (1.0 + rate * type);
    // ln((h - rate*fv) / (h + rate*pv)), written as ln(1 + d) with the
    // difference d = (h - rate*fv)/(h + rate*pv) - 1 formed exactly, so a
    // ratio within rounding of 1 (tiny rates) keeps its information.
    const double d = -rate * (fv + pv) / (h + rate * pv);
    return std::log1p(d) / std::log1p(rate);
}

namespace {

// Balance after `per - 1 - type` payments, times the rate: the interest part
// of payment `per`. Shared by IPMT and PPMT so each evaluates PMT once.
struct PaymentSplit {
    double payment;
    double interest;
};

PaymentSplit SplitPayment(double rate, double per, double nper, double pv, double fv, int type) {
    const double p = PMT(rate, nper, pv, fv, type);
    const double interest = rate * FV(rate, per - 1.0 - type, p, pv, type);
    return {p, interest};
}

}  // namespace

double IPMT(double rate, double per, double nper, double pv, double fv, int type) {
    return SplitPayment(rate, per, nper, pv, fv, type).interest;
}

double PPMT(double rate, double per, double nper, double pv, double fv, int type) {
    const PaymentSplit s = SplitPayment(rate, per, nper, pv, fv, type);
    return s.payment - s.interest;
}

double EFR(double apr, double npery) { return GrowthMinusOne(apr / npery, npery); }

double APR(double efr, double npery) { return npery * GrowthMinusOne(efr, 1.0 / npery); }

RateResult RATE(double nper, double pmt, double pv, double fv, int type, double guess) {
    const auto residual = [&](double x) { return pv - PV(x, nper, pmt, fv, type); };
    double x0 = guess;
    double x1 = kRateStartFactor * guess;
    for (int i = 0; i < kRateMaxIterations; ++i) {
        const double f1 = residual(x1);
        const double f0 = residual(x0);
        const double d = f1 - f0;
        if (std::fabs(d) < kRateFlatBound && std::fabs(f1) > kRateResidualBound) {
            return {RateStatus::FlatSpot, 0.0};
        }
        const double step = f1 * (x1 - x0) / d;
        if (std::fabs(kRateStepTolerance * x1) > std::fabs(step)) {
            return {RateStatus::Converged, x1};
        }
        const double x2 = (f1 * x0 - f0 * x1) / d;
        x0 = x1;
        x1 = x2;
    }
    return {RateStatus::NotConverged, 0.0};
}

}  // namespace quorvix::numeric
