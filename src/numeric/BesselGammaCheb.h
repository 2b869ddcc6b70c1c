#pragma once
// Gamma-function values needed by the small-argument (Temme) series of the
// fractional-order Bessel routines, from two short Chebyshev series.

namespace quorvix::numeric {

struct GammaChebValues {
    double gam1 = 0.0;   // (1/Gamma(1 - mu) - 1/Gamma(1 + mu)) / (2 mu)
    double gam2 = 0.0;   // (1/Gamma(1 - mu) + 1/Gamma(1 + mu)) / 2
    double gampl = 0.0;  // 1/Gamma(1 + mu)
    double gammi = 0.0;  // 1/Gamma(1 - mu)
};

// For |mu| <= 1/2. Five terms of each series are used.
GammaChebValues gammacheb(double mu);

}  // namespace quorvix::numeric
