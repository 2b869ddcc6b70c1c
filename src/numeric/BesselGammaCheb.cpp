#include "numeric/BesselGammaCheb.h"

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

}  // namespace quorvix::numeric
