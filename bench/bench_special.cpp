// Cost of the special-function routines: typical calls, and the longest
// calls any argument can cause (the order recurrences run up to their limit
// of a million orders). The latter show what "answers at once" means for
// BESSELJ(999999, 1E6) and the like.

#include <benchmark/benchmark.h>

#include "numeric/Airy.h"
#include "numeric/BesselFractional.h"
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
    for (auto _ : s) benchmark::DoNotOptimize(bessj0(Arg(3.7)));
}
void BM_BesselJ20Miller(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessj(20, Arg(10.0)));
}
void BM_BesselFractionalSeries(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessjy(Arg(1.3), 1.0 / 3.0));
}
void BM_BesselFractionalSteed(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessik(Arg(40.0), 2.0 / 3.0));
}
void BM_AiryNegative(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(airyfn(Arg(-10.0)));
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

// The longest calls: recurrences at the order limit.
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
    // The first continued fraction runs its 10000 iterations and gives up.
    for (auto _ : s) benchmark::DoNotOptimize(sphbes(999990, Arg(1.5e6)));
}
void BM_WorstAiryFraction(benchmark::State& s) {
    // z just below the point where the first fraction gives up.
    for (auto _ : s) benchmark::DoNotOptimize(airyfn(Arg(-560.0)));
}
void BM_RefusedHugeOrder(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bessj(2147483647, Arg(3e9)));
}

}  // namespace

BENCHMARK(BM_BesselJ0);
BENCHMARK(BM_BesselJ20Miller);
BENCHMARK(BM_BesselFractionalSeries);
BENCHMARK(BM_BesselFractionalSteed);
BENCHMARK(BM_AiryNegative);
BENCHMARK(BM_EllipticPi);
BENCHMARK(BM_Jacobi);
BENCHMARK(BM_FresnelFraction);
BENCHMARK(BM_CiSiSeries);
BENCHMARK(BM_Dawson);
BENCHMARK(BM_WorstBesselJ)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstBesselI)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstBesselY)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstSpherical)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstAiryFraction)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefusedHugeOrder);

BENCHMARK_MAIN();
