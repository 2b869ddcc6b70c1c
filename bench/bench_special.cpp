// Cost of the special-function routines: typical calls, and the longest
// calls any argument can cause (huge Bessel orders, near and away from the
// turning point). BM_Boost_* time Boost.Math's plain call for the same
// arguments where our routine takes another path.

#include <benchmark/benchmark.h>

#include <boost/math/special_functions/ellint_1.hpp>
#include <boost/math/special_functions/ellint_2.hpp>
#include <boost/math/special_functions/ellint_3.hpp>
#include <boost/math/special_functions/expint.hpp>
#include <boost/math/special_functions/jacobi_elliptic.hpp>
#include <boost/math/special_functions/airy.hpp>
#include <boost/math/special_functions/bessel.hpp>

#include "numeric/Airy.h"
#include "numeric/BesselIK.h"
#include "numeric/BesselJY.h"
#include "numeric/BesselSpherical.h"
#include "numeric/Beta.h"
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

using namespace quorvix::numeric;

namespace {

// Arguments pass through a volatile so that no call can be folded away.
volatile double gOne = 1.0;
double Arg(double x) { return x * gOne; }

void BM_BesselJ0(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessj(0, Arg(3.7)));
}
void BM_BesselJ20Miller(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessj(20, Arg(10.0)));
}
void BM_BesselY5(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessy(5, Arg(7.5)));
}
// Next to a zero the value is recomputed in quadruple precision: below
// x = 45 by Miller's recurrence, beyond it from Hankel's expansion of
// orders 0 and 1 and the forward recurrence.
void BM_BesselJ2AtZero(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessj(2, Arg(5.135622301840683)));
}
void BM_BesselJ300FarAtZero(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessj(300, Arg(18001.182212829528)));
}
void BM_BesselJ300Far(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessj(300, Arg(18001.5)));
}
void BM_BesselI3(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessi(3, Arg(2.5)));
}
void BM_BesselK3(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessk(3, Arg(2.5)));
}
void BM_SphericalJ3(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(sphbes(3, Arg(4.5)));
}
void BM_AiryPositive(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(airyfn(Arg(1.7)));
}
void BM_AiryNegative(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(airyfn(Arg(-10.0)));
}
void BM_AiryFarNegative(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(airyfn(Arg(-560.0)));
}
void BM_Boost_SphericalJ3(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(boost::math::sph_bessel(3, Arg(4.5)));
}
void BM_Boost_AiryPositive(benchmark::State& s) {
    for (auto _ : s)
        benchmark::DoNotOptimize(boost::math::airy_ai(Arg(1.7)) + boost::math::airy_bi(Arg(1.7)));
}
void BM_Boost_AiryNegative(benchmark::State& s) {
    for (auto _ : s)
        benchmark::DoNotOptimize(boost::math::airy_ai(Arg(-10.0)) + boost::math::airy_bi(Arg(-10.0)));
}
void BM_EllipticPi(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(legendrepi(Arg(1.2), 0.5, 0.9));
}
void BM_Jacobi(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(jacobielliptic(Arg(0.7), -0.5));
}
void BM_FresnelFraction(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(frenel(Arg(2.5)));
}
void BM_CiSiSeries(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(cisi(Arg(1.5)));
}
void BM_Dawson(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(dawsonfn(Arg(1.5)));
}

// One typical call per family of the gamma, error, exponential-integral,
// elliptic, Fresnel and sine/cosine-integral functions.
void BM_GammaLn(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(gammaln(Arg(4.7)));
}
void BM_FactLnUncached(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(factln(static_cast<long long>(Arg(150.0))));
}
void BM_GammaP(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(gammp(Arg(3.5), 2.0));
}
void BM_GammaQ(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(gammq(Arg(3.5), 6.0));
}
void BM_Beta(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(betafn(Arg(2.5), 3.5));
}
void BM_BetaI(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(betai(Arg(2.5), 3.5, 0.4));
}
void BM_Erf(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(erfn(Arg(0.7)));
}
void BM_Erfc(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(erfcn(Arg(2.5)));
}
void BM_ExpEn(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(expint(3, Arg(1.5)));
}
void BM_ExpEi(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(ei(Arg(2.5)));
}
void BM_EllipticF(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(legendref(Arg(1.2), 0.7));
}
void BM_EllipticE(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(legendree(Arg(1.2), 0.7));
}
void BM_CarlsonRf(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(rf(Arg(1.0), 2.0, 3.0));
}
void BM_CarlsonRd(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(rd(Arg(1.0), 2.0, 3.0));
}
void BM_CarlsonRj(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(rj(Arg(1.0), 2.0, 3.0, 4.0));
}
void BM_CarlsonRc(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(rc(Arg(1.0), 2.0));
}
void BM_JacobiInside(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(jacobielliptic(Arg(0.7), 0.5));
}
void BM_FresnelSeries(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(frenel(Arg(1.0)));
}
void BM_CiSiFraction(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(cisi(Arg(5.0)));
}

// Boost.Math's own routines, called plainly, beside the library's where
// the library does not simply call them: the Legendre forms (reduced here
// with an exact 1 - k^2), the Jacobi functions (taken here from the
// complementary parameter) and E_n for n >= 2 beyond x = 1.
void BM_BoostEllint1(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(boost::math::ellint_1(0.7, Arg(1.2)));
}
void BM_BoostEllint2(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(boost::math::ellint_2(0.7, Arg(1.2)));
}
void BM_BoostEllint3(benchmark::State& s) {
    // Boost's characteristic has the opposite sign: 1 - n sin^2.
    for (auto _ : s) benchmark::DoNotOptimize(boost::math::ellint_3(0.9, -0.5, Arg(1.2)));
}
void BM_BoostJacobi(benchmark::State& s) {
    double cn = 0.0, dn = 0.0;
    for (auto _ : s) benchmark::DoNotOptimize(boost::math::jacobi_elliptic(0.7071067811865476, Arg(0.7), &cn, &dn));
}
void BM_BoostExpEn(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(boost::math::expint(3, Arg(1.5)));
}

// The longest calls: huge orders.
void BM_WorstBesselJ(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessj(999999, Arg(1e6)));
}
void BM_WorstBesselI(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessi(990000, Arg(1e6)));
}
void BM_WorstBesselY(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessy(1000000, Arg(1e6)));
}
void BM_WorstSpherical(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(sphbes(999990, Arg(1.5e6)));
}
void BM_HugeOrderBesselJ(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessj(2000000000, Arg(3e9)));
}
void BM_HugeOrderTurningPoint(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessj(2000000000, Arg(2e9)));
}
void BM_Boost_WorstBesselJ(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(boost::math::cyl_bessel_j(999999, Arg(1e6)));
}

}  // namespace

BENCHMARK(BM_BesselJ0);
BENCHMARK(BM_BesselJ20Miller);
BENCHMARK(BM_BesselY5);
BENCHMARK(BM_BesselJ2AtZero);
BENCHMARK(BM_BesselJ300FarAtZero);
BENCHMARK(BM_BesselJ300Far);
BENCHMARK(BM_BesselI3);
BENCHMARK(BM_BesselK3);
BENCHMARK(BM_SphericalJ3);
BENCHMARK(BM_AiryPositive);
BENCHMARK(BM_AiryNegative);
BENCHMARK(BM_AiryFarNegative);
BENCHMARK(BM_Boost_SphericalJ3);
BENCHMARK(BM_Boost_AiryPositive);
BENCHMARK(BM_Boost_AiryNegative);
BENCHMARK(BM_EllipticPi);
BENCHMARK(BM_Jacobi);
BENCHMARK(BM_FresnelFraction);
BENCHMARK(BM_CiSiSeries);
BENCHMARK(BM_Dawson);
BENCHMARK(BM_GammaLn);
BENCHMARK(BM_FactLnUncached);
BENCHMARK(BM_GammaP);
BENCHMARK(BM_GammaQ);
BENCHMARK(BM_Beta);
BENCHMARK(BM_BetaI);
BENCHMARK(BM_Erf);
BENCHMARK(BM_Erfc);
BENCHMARK(BM_ExpEn);
BENCHMARK(BM_ExpEi);
BENCHMARK(BM_EllipticF);
BENCHMARK(BM_EllipticE);
BENCHMARK(BM_CarlsonRf);
BENCHMARK(BM_CarlsonRd);
BENCHMARK(BM_CarlsonRj);
BENCHMARK(BM_CarlsonRc);
BENCHMARK(BM_JacobiInside);
BENCHMARK(BM_FresnelSeries);
BENCHMARK(BM_CiSiFraction);
BENCHMARK(BM_BoostEllint1);
BENCHMARK(BM_BoostEllint2);
BENCHMARK(BM_BoostEllint3);
BENCHMARK(BM_BoostJacobi);
BENCHMARK(BM_BoostExpEn);
BENCHMARK(BM_WorstBesselJ)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstBesselI)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstBesselY)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstSpherical)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HugeOrderBesselJ)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HugeOrderTurningPoint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Boost_WorstBesselJ)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
