#pragma once
// Level-payment annuity routines: present and future value, payment, number
// of periods, periodic rate (secant iteration), the interest and principal
// parts of one payment, and nominal/effective annual rate conversion.
//
// Sign convention: money paid out and money received carry opposite signs
// (for a loan, pv and pmt have opposite signs). `type` is the payment timing,
// 0 at the end of each period, 1 at the beginning; it enters every formula
// only through the factor (1 + rate * type) and is not restricted to 0 or 1.
// The routines hold no state and signal nothing: impossible inputs give
// infinities or NaNs, which the caller turns into its own error.

namespace quorvix::numeric {

double PV(double rate, double nper, double pmt, double fv = 0.0, int type = 0);
double FV(double rate, double nper, double pmt, double pv = 0.0, int type = 0);
double PMT(double rate, double nper, double pv, double fv = 0.0, int type = 0);
double NPER(double rate, double pmt, double pv, double fv = 0.0, int type = 0);
// Interest part of payment number `per` (1-based). With payments at the
// start (type != 0) payment 1 carries no interest.
double IPMT(double rate, double per, double nper, double pv, double fv = 0.0, int type = 0);
// Principal part of payment number `per`: the payment less its interest.
double PPMT(double rate, double per, double nper, double pv, double fv = 0.0, int type = 0);
// Effective annual rate of the nominal rate `apr` compounded npery times.
double EFR(double apr, double npery);
// Nominal annual rate, compounded npery times, of the effective rate `efr`.
double APR(double efr, double npery);

enum class RateStatus {
    Converged = 0,       // the rate is delivered
    FlatSpot = 1,        // two estimates gave the same residual
    NotConverged = 2,    // no convergence within the iteration limit
};

struct RateResult {
    RateStatus status = RateStatus::NotConverged;
    double rate = 0.0;  // meaningful only when status is Converged
};

// Iteration limits of RATE's secant steps (a bracketed root is then solved
// for by regula falsi, and a failure is followed by a scan for one).
inline constexpr int kRateMaxIterations = 100;
inline constexpr double kRateStartFactor = 1.1;
inline constexpr double kRateFlatBound = 1e-200;
inline constexpr double kRateStepTolerance = 1e-13;

// Finds the periodic rate x at which PV(x, nper, pmt, fv, type) equals pv:
// secant steps from `guess` (used as given), then, if they fail, the root
// nearest the guess among the changes of sign of the residual over rates
// from -0.99 to 1000. Rates near 0 keep their digits: the residual is
// computed without the cancellation of its terms there; an exact 0 is 0.
RateResult RATE(double nper, double pmt, double pv, double fv, int type, double guess);

}  // namespace quorvix::numeric
