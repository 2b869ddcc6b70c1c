// Cost of the special-function routines: typical calls, and the longest
// calls any argument can cause (huge Bessel orders, near and away from the
// turning point). BM_Boost_* time Boost.Math's plain call for the same
// arguments where our routine takes another path.

#include <benchmark/benchmark.h>

#include <boost/math/special_functions/airy.hpp>
#include <boost/math/special_functions/bessel.hpp>

#include "numeric/Airy.h"
#include "numeric/BesselIK.h"
#include "numeric/BesselJY.h"
#include "numeric/BesselSpherical.h"
#include "numeric/CarlsonIntegrals.h"
#include "numeric/Dawson.h"
#include "numeric/EllipticLegendre.h"
#include "numeric/Fresnel.h"
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
BENCHMARK(BM_WorstBesselJ)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstBesselI)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstBesselY)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstSpherical)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HugeOrderBesselJ)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HugeOrderTurningPoint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Boost_WorstBesselJ)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
