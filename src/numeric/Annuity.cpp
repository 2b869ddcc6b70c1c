#include "numeric/Annuity.h"

#include <cmath>

#include "numeric/Compounding.h"

namespace quorvix::numeric {

double PV(double rate, double nper, double pmt, double fv, int type) {
    if (rate == 0.0) return -fv - pmt * nper;
    const Compounding c = CompoundingOf(rate, nper);
    return -(fv * c.v + pmt * (1.0 + rate * type) * c.an);
}

double FV(double rate, double nper, double pmt, double pv, int type) {
    if (rate == 0.0) return -pv - pmt * nper;
    const Compounding c = CompoundingOf(rate, nper);
    return -(pv * c.g + pmt * (1.0 + rate * type) * c.sn);
}

// The payment written with whichever of (1+r)^n and (1+r)^-n is at most 1,
// so PMT(0.05, 1000000, 1000) is the limit -50 rather than infinity/infinity.
double PMT(double rate, double nper, double pv, double fv, int type) {
    if (rate == 0.0) return -(pv + fv) / nper;
    const Compounding c = CompoundingOf(rate, nper);
    const double timing = 1.0 + rate * type;
    if (c.growth > 0.0) return -(pv + fv * c.v) / (timing * c.an);
    return -(pv * c.g + fv) / (timing * c.sn);
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

// The payment and its interest part. Payments at the end (type 0): the
// interest of period `per` on the balance after per - 1 payments. Payments
// at the start: payment 1 is made before any interest, and payment `per`
// carries the interest of period per - 1 on the balance after per - 1
// payments, i.e. that balance at the end of period per - 1 less its growth
// (1 + rate * type). So the principal parts add up to the loan, as in the
// spreadsheets.
struct PaymentSplit {
    double payment;
    double interest;
};

PaymentSplit SplitPayment(double rate, double per, double nper, double pv, double fv, int type) {
    const double p = PMT(rate, nper, pv, fv, type);
    if (type == 0) return {p, rate * FV(rate, per - 1.0, p, pv, 0)};
    if (per == 1.0) return {p, 0.0};
    return {p, rate * FV(rate, per - 1.0, p, pv, type) / (1.0 + rate * type)};
}

}  // namespace

double IPMT(double rate, double per, double nper, double pv, double fv, int type) {
    return SplitPayment(rate, per, nper, pv, fv, type).interest;
}

double PPMT(double rate, double per, double nper, double pv, double fv, int type) {
    const PaymentSplit s = SplitPayment(rate, per, nper, pv, fv, type);
    return s.payment - s.interest;
}

namespace {

// (1 + x)^n - 1 without the cancellation of pow(1 + x, n) - 1 when x is tiny.
// Falls back to pow where the logarithmic form is undefined.
double GrowthMinusOne(double x, double n) {
    if (std::isfinite(x) && std::isfinite(n) && x > -1.0) {
        return std::expm1(n * std::log1p(x));
    }
    return std::pow(1.0 + x, n) - 1.0;
}

}  // namespace

double EFR(double apr, double npery) { return GrowthMinusOne(apr / npery, npery); }

double APR(double efr, double npery) { return npery * GrowthMinusOne(efr, 1.0 / npery); }

}  // namespace quorvix::numeric
