#include <cmath>
#include <cstdint>

#include "engine/FunctionDispatch.h"
#include "numeric/Annuity.h"

namespace quorvix {

namespace {

enum AnnuityId {
    kPV = 46,
    kFV = 47,
    kPMT = 48,
    kNPER = 49,
    kRATE = 50,
    kPPMT = 51,
    kIPMT = 52,
    kEFR = 53,
    kAPR = 54,
};

// The payment timing as the user gave it, truncated toward zero to 64 bits
// and cut to the low 32 bits; a value out of the 64-bit range (or NaN) is 0.
int TimingType(double x) {
    if (!(std::fabs(x) < 9.2233720368547758e18)) return 0;
    const auto wide = static_cast<std::int64_t>(x);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

// A left-out optional argument reads as 0 (the padding after the arguments).
double Arg(const double* args, int count, int k) { return k < count ? args[k] : 0.0; }

double OrDefault(double given, double fallback) { return given == 0.0 ? fallback : given; }

}  // namespace

EvalError CallAnnuityFunction(int functionId, const double* args, int count, ExprNode& call) {
    const auto a = [&](int k) { return Arg(args, count, k); };
    switch (functionId) {
        case kPV:
            call.value = numeric::PV(a(0), a(1), a(2), a(3), TimingType(a(4)));
            return kNoError;
        case kFV:
            call.value = numeric::FV(a(0), a(1), a(2), a(3), TimingType(a(4)));
            return kNoError;
        case kPMT:
            call.value = numeric::PMT(a(0), a(1), a(2), a(3), TimingType(a(4)));
            return kNoError;
        case kNPER:
            call.value = numeric::NPER(a(0), a(1), a(2), a(3), TimingType(a(4)));
            return kNoError;
        case kRATE: {
            const numeric::RateResult r = numeric::RATE(a(0), a(1), a(2), a(3),
                                                        TimingType(a(4)), OrDefault(a(5), 0.01));
            // A rate that was not found is not a result: fail the call.
            if (r.status != numeric::RateStatus::Converged) return kBadArgument;
            call.value = r.rate;
            return kNoError;
        }
        case kPPMT:
            call.value = numeric::PPMT(a(0), a(1), a(2), a(3), a(4), TimingType(a(5)));
            return kNoError;
        case kIPMT:
            call.value = numeric::IPMT(a(0), a(1), a(2), a(3), a(4), TimingType(a(5)));
            return kNoError;
        case kEFR:
            call.value = numeric::EFR(a(0), OrDefault(a(1), 12.0));
            return kNoError;
        case kAPR:
            call.value = numeric::APR(a(0), OrDefault(a(1), 12.0));
            return kNoError;
        default:
            return kBadArgument;
    }
}

}  // namespace quorvix
