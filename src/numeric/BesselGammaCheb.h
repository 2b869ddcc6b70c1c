#pragma once
// The start of Temme's small-argument series shared by the fractional-order
// Bessel routines: gamma-function values from two short Chebyshev series and
// the first coefficient of the series.

namespace quorvix::numeric {

struct GammaChebValues {
    double gam1 = 0.0;   // (1/Gamma(1 - mu) - 1/Gamma(1 + mu)) / (2 mu)
    double gam2 = 0.0;   // (1/Gamma(1 - mu) + 1/Gamma(1 + mu)) / 2
    double gampl = 0.0;  // 1/Gamma(1 + mu)
    double gammi = 0.0;  // 1/Gamma(1 - mu)
};

// For |mu| <= 1/2. Five terms of each series are used.
GammaChebValues gammacheb(double mu);

struct TemmeStart {
    double x2 = 0.0;    // x / 2
    double pimu = 0.0;  // pi mu
    // (pi mu / sin(pi mu)) (gam1 cosh(e) + gam2 (sinh(e)/e) ln(2/x)), with
    // e = mu ln(2/x): the first coefficient of the K series (times 2/pi,
    // that of the Y series).
    double ff = 0.0;
    double expE = 0.0;  // exp(e) = (2/x)^mu
    GammaChebValues g;
};

// For x > 0 and |mu| <= 1/2.
TemmeStart temmeStart(double x, double mu);

}  // namespace quorvix::numeric
