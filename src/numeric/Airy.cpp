#include "numeric/Airy.h"

#include <cmath>

#include "numeric/BesselFractional.h"

namespace quorvix::numeric {
namespace {

constexpr double kThird = 1.0 / 3.0;
constexpr double kTwoThirds = 0.6666666666666666;
constexpr double kOneOverRootThree = 0.57735027;  // as stored, eight digits
constexpr double kOneOverRootThreePi = 0.18377629873188084;
constexpr double kOneOverPi = 0.3183098861837907;
constexpr double kTwoOverRootThree = 1.15470054;
constexpr double kAiAtZero = 0.35502805;
constexpr double kBiAtZero = 0.6149266198489869;
// Below this z (|x| below about 1e-200) the fixed values at 0 are used.
constexpr double kFlatBelow = 1.0e-300;

}  // namespace

AiryValues airyfn(double x) {
    AiryValues out;
    if (std::isnan(x)) {
        out.ai = out.bi = x;  // not finite: the caller reports it
        return out;
    }
    const double absx = std::fabs(x);
    const double rootx = std::sqrt(absx);
    const double z = kTwoThirds * absx * rootx;
    if (z < kFlatBelow) {
        // Ai and Bi are flat to double precision here (their slopes at 0
        // are of order 1), and z may have underflowed to 0, which the
        // Bessel routines refuse: the values at 0 apply.
        out.ai = kAiAtZero;
        out.bi = kBiAtZero;
    } else if (x > 0.0) {
        const BesselIKValues v = bessik(z, kThird);
        out.ai = kOneOverRootThreePi * rootx * v.k;
        out.bi = rootx * (v.k * kOneOverPi + kTwoOverRootThree * v.i);
        // Order 2/3 at the same z (the derivatives' order): its values are
        // not needed, but a failure there fails the call as well.
        (void)bessik(z, kTwoThirds);
    } else {
        const BesselJYValues v = bessjy(z, kThird);
        out.ai = 0.5 * rootx * (v.j - kOneOverRootThree * v.y);
        out.bi = -0.5 * rootx * (v.y + kOneOverRootThree * v.j);
        (void)bessjy(z, kTwoThirds);
    }
    return out;
}

}  // namespace quorvix::numeric
