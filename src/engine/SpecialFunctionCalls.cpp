#include <cerrno>
#include <cmath>

#include "engine/BuiltinFunctions.h"
#include "engine/BuiltinNames.h"
#include "engine/Cancellation.h"
#include "engine/FunctionDispatch.h"
#include "numeric/Airy.h"
#include "numeric/BesselIK.h"
#include "numeric/BesselJY.h"
#include "numeric/BesselSpherical.h"
#include "numeric/Beta.h"
#include "numeric/Binomial.h"
#include "numeric/CarlsonIntegrals.h"
#include "numeric/Dawson.h"
#include "numeric/EllipticLegendre.h"
#include "numeric/ErrorFunction.h"
#include "numeric/ExponentialIntegral.h"
#include "numeric/Fresnel.h"
#include "numeric/Gamma.h"
#include "numeric/GammaIncomplete.h"
#include "numeric/JacobiElliptic.h"
#include "numeric/SineCosineIntegral.h"

namespace quorvix {

namespace {

// The routine for one id on the gathered arguments (a[0] first). Integer
// arguments go through the engine's int() rule. `known` is cleared for an
// id outside the group.
double Compute(int id, const double* a, bool& known) {
    namespace nm = numeric;
    known = true;
    switch (id) {
        case kAiryAi: return nm::airyfn(a[0]).ai;
        case kAiryBi: return nm::airyfn(a[0]).bi;
        case kBico: return nm::bico(ToInt32(a[0]), ToInt32(a[1]));
        case kBeta: return nm::betafn(a[0], a[1]);
        case kBetaI: return nm::betai(a[0], a[1], a[2]);
        case kBesselJ: return nm::bessj(ToInt32(a[0]), a[1]);
        case kBesselY: return nm::bessy(ToInt32(a[0]), a[1]);
        case kBesselK: return nm::bessk(ToInt32(a[0]), a[1]);
        case kBesselI: return nm::bessi(ToInt32(a[0]), a[1]);
        case kBesselJs: return nm::sphbes(ToInt32(a[0]), a[1]).j;
        case kBesselYs: return nm::sphbes(ToInt32(a[0]), a[1]).y;
        case kCarlsonRf: return nm::rf(a[0], a[1], a[2]);
        case kCarlsonRd: return nm::rd(a[0], a[1], a[2]);
        case kCarlsonRj: return nm::rj(a[0], a[1], a[2], a[3]);
        case kCarlsonRc: return nm::rc(a[0], a[1]);
        case kDawson: return nm::dawsonfn(a[0]);
        // The amplitude is in radians whatever the calculator's angle unit.
        case kEllipticF: return nm::legendref(a[0], a[1]);
        case kEllipticE: return nm::legendree(a[0], a[1]);
        case kEllipticPi: return nm::legendrepi(a[0], a[1], a[2]);
        case kEllipticSn: return nm::jacobielliptic(a[0], a[1]).sn;
        case kEllipticCn: return nm::jacobielliptic(a[0], a[1]).cn;
        case kEllipticDn: return nm::jacobielliptic(a[0], a[1]).dn;
        case kErf: return nm::erfn(a[0]);
        case kErfc: return nm::erfcn(a[0]);
        case kExpEn: return nm::expint(ToInt32(a[0]), a[1]);
        case kExpEi: return nm::ei(a[0]);
        case kFactLn: return nm::factln(ToInt32(a[0]));
        case kFresnelS: return nm::frenel(a[0]).s;
        case kFresnelC: return nm::frenel(a[0]).c;
        case kGammaLn: return nm::gammaln(a[0]);
        case kGammaP: return nm::gammp(a[0], a[1]);
        case kGammaQ: return nm::gammq(a[0], a[1]);
        case kCosInt: return nm::cisi(a[0]).ci;
        case kSinInt: return nm::cisi(a[0]).si;
        default: known = false; return 0.0;
    }
}

}  // namespace

EvalError CallSpecialFunction(int functionId, const double* args, int count, ExprNode& call) {
    // Every special function takes at most four arguments; the padding
    // zeros guarantee that many readable values.
    if (count < 4) return kBadArgument;
    errno = 0;
    bool known = false;
    const double value = Compute(functionId, args, known);
    if (!known) return kBadArgument;
    // A routine that failed while a cancel request was pending was stopped.
    if (errno != 0 && EvaluationCancelRequested()) return kEvaluationCancelled;
    call.value = value;
    // A finite result that comes with ERANGE met an overflow or underflow
    // on the way that it does not depend on: cosh(u) overflowing while
    // tanh(u) = 1 is the sn being asked for, or exp(-x) underflowing in a
    // companion result. That value is the answer, not "Result too large".
    // A result that itself overflows is not finite and still fails.
    if (errno == ERANGE && std::isfinite(value)) errno = 0;
    return kNoError;
}

}  // namespace quorvix
