#include "engine/BuiltinFunctions.h"
#include "engine/BuiltinNames.h"
#include "engine/FunctionDispatch.h"
#include "numeric/Annuity.h"

namespace quorvix {

namespace {

// A left-out optional argument reads as 0 (the padding after the arguments).
double Arg(const double* args, int count, int k) { return k < count ? args[k] : 0.0; }

double OrDefault(double given, double fallback) { return given == 0.0 ? fallback : given; }

// The payment timing `type` goes by the engine's int() rule (ToInt32).
EvalError ComputeAnnuity(int functionId, const double* args, int count, ExprNode& call) {
    const auto a = [&](int k) { return Arg(args, count, k); };
    switch (functionId) {
        case kPV:
            call.value = numeric::PV(a(0), a(1), a(2), a(3), ToInt32(a(4)));
            return kNoError;
        case kFV:
            call.value = numeric::FV(a(0), a(1), a(2), a(3), ToInt32(a(4)));
            return kNoError;
        case kPMT:
            call.value = numeric::PMT(a(0), a(1), a(2), a(3), ToInt32(a(4)));
            return kNoError;
        case kNPER:
            call.value = numeric::NPER(a(0), a(1), a(2), a(3), ToInt32(a(4)));
            return kNoError;
        case kRATE: {
            const numeric::RateResult r = numeric::RATE(a(0), a(1), a(2), a(3),
                                                        ToInt32(a(4)), OrDefault(a(5), 0.01));
            // A rate that was not found is not a result: fail the call.
            if (r.status != numeric::RateStatus::Converged) return kBadArgument;
            call.value = r.rate;
            return kNoError;
        }
        case kPPMT:
            call.value = numeric::PPMT(a(0), a(1), a(2), a(3), a(4), ToInt32(a(5)));
            return kNoError;
        case kIPMT:
            call.value = numeric::IPMT(a(0), a(1), a(2), a(3), a(4), ToInt32(a(5)));
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

}  // namespace

// A result that underflows to -0 (a payment of -1E-500) is shown as 0.
EvalError CallAnnuityFunction(int functionId, const double* args, int count, ExprNode& call) {
    const EvalError code = ComputeAnnuity(functionId, args, count, call);
    call.value += 0.0;
    return code;
}

}  // namespace quorvix
