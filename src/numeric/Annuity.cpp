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
    // difference d = (h - rate*fv)/(h + rate*pv) - 1 formed directly (the
    // denominator with one rounding), so a ratio within rounding of 1 (tiny
    // rates) keeps its information.
    const double d = -rate * (fv + pv) / std::fma(rate, pv, h);
    return std::log1p(d) / std::log1p(rate);
}

namespace {

// -(balance after k payments): FV over the k periods behind, or minus the PV
// of the n - k periods ahead. The two are the same amount (the payment makes
// them so); the one whose terms are smaller is taken (the first at k = 0,
// where it is pv exactly), since a large loan against large repayments
// leaves a small balance only by cancellation.
double NegatedBalance(double rate, double k, double nper, double p, double pv, double fv, int type) {
    const double timing = 1.0 + rate * type;
    const Compounding behind = CompoundingOf(rate, k);
    const Compounding ahead = CompoundingOf(rate, nper - k);
    const double a1 = pv * behind.g, a2 = p * timing * behind.sn;
    const double b1 = fv * ahead.v, b2 = p * timing * ahead.an;
    if (k == 0.0 || std::fabs(a1) + std::fabs(a2) <= std::fabs(b1) + std::fabs(b2)) return -(a1 + a2);
    return b1 + b2;
}

// The interest part of payment `per` of p. Payments at the end (type 0): the
// interest of period `per` on the balance after per - 1 payments. Payments
// at the start: payment 1 is made before any interest, and payment `per`
// carries the interest of period per - 1 on the balance after per - 1
// payments, i.e. that balance at the end of period per - 1 less its growth
// (1 + rate * type). So the principal parts add up to the loan, as in the
// spreadsheets.
double InterestPart(double rate, double per, double nper, double p, double pv, double fv, int type) {
    const double balance = NegatedBalance(rate, per - 1.0, nper, p, pv, fv, type);
    if (type == 0) return rate * balance;
    if (per == 1.0) return 0.0;
    return rate * balance / (1.0 + rate * type);
}

}  // namespace

double IPMT(double rate, double per, double nper, double pv, double fv, int type) {
    return InterestPart(rate, per, nper, PMT(rate, nper, pv, fv, type), pv, fv, type);
}

// The principal parts grow by (1 + rate) per period from -(pv + fv) / s_n:
// part `per` is -(pv + fv) (1+rate)^k / s_n with k = per - 1 (payments at
// the end) or k = per - 2 (payments at the start, where payment 1 is all
// principal), written as -(pv + fv) (1+rate)^-(n-k) / a_n where rate > 0 so
// that no factor overflows. This avoids the payment less its interest, which
// cancels where the principal is a small part of the payment. Other timings
// (type 2, ...) take that difference.
double PPMT(double rate, double per, double nper, double pv, double fv, int type) {
    const double p = PMT(rate, nper, pv, fv, type);
    if (type != 0 && type != 1) return p - InterestPart(rate, per, nper, p, pv, fv, type);
    if (type == 1 && per == 1.0) return p;
    const double k = type == 0 ? per - 1.0 : per - 2.0;
    if (rate > 0.0) {
        return -(pv + fv) * CompoundingOf(rate, nper - k).v / CompoundingOf(rate, nper).an;
    }
    return -(pv + fv) * CompoundingOf(rate, k).g / CompoundingOf(rate, nper).sn;
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
