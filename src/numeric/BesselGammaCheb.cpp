#include "numeric/BesselGammaCheb.h"

#include <cmath>

#include "numeric/BesselFractional.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {
namespace {

constexpr double kC1[] = {-1.142022680371168, 0.0065165112670737, 0.0003087090173086,
                          -3.4706269649e-6,   6.9437664e-9,       3.67795e-11,
                          -1.356e-13};
constexpr double kC2[] = {1.843740587300905, -0.0768528408447867, 0.0012719271366546,
                          -4.9717367042e-6,  -3.31261198e-8,      2.423096e-10,
                          -1.702e-13,        -1.49e-15};
constexpr int kTermsUsed = 5;

}  // namespace

GammaChebValues gammacheb(double mu) {
    GammaChebValues g;
    const double xx = 8.0 * mu * mu - 1.0;
    g.gam1 = chebev(-1.0, 1.0, kC1, kTermsUsed, xx);
    g.gam2 = chebev(-1.0, 1.0, kC2, kTermsUsed, xx);
    g.gampl = g.gam2 - mu * g.gam1;
    g.gammi = g.gam2 + mu * g.gam1;
    return g;
}

TemmeStart temmeStart(double x, double mu) {
    using detail::kEps;
    TemmeStart t;
    t.x2 = 0.5 * x;
    t.pimu = detail::kPi * mu;
    const double factPi = std::fabs(t.pimu) < kEps ? 1.0 : t.pimu / std::sin(t.pimu);
    const double d = -std::log(t.x2);
    const double e = mu * d;
    const double fact2 = std::fabs(e) < kEps ? 1.0 : std::sinh(e) / e;
    t.g = gammacheb(mu);
    t.ff = factPi * (t.g.gam1 * std::cosh(e) + t.g.gam2 * fact2 * d);
    t.expE = std::exp(e);
    return t;
}

}  // namespace quorvix::numeric
