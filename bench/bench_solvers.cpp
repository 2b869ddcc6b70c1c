// Cost per sample of FSUM against plain re-evaluation of the same parsed
// expression, and the cost of one whole call of FINT and FDIFF: smooth
// functions, and an integrand with an end-point singularity at the finest
// precision.

#include <benchmark/benchmark.h>

#include "engine/Evaluator.h"

namespace {

using quorvix::Evaluator;

constexpr double kSumSamples = 1048576.0;  // t = 0 .. 1048575

// Sets up ev like the calculator's main evaluator and parses expression;
// false (the benchmark marked as failed) when it does not parse.
bool PrepareEvaluator(benchmark::State& state, Evaluator& ev, const char* expression) {
    ev.SetSlotCount(2);
    ev.SetSlotName(0, "t");
    ev.SetSlotName(1, "ANS");
    ev.setAngleUnit(1);
    ev.SetExpression(expression);
    if (ev.Parse() == 0) return true;
    state.SkipWithError("parse failed");
    return false;
}

// Setting t and evaluating the parsed tree, once per sample: the baseline.
// t runs from 0 in steps of `step` and starts again above `last`.
void RunBare(benchmark::State& state, const char* expression, double step, double last) {
    Evaluator ev;
    if (!PrepareEvaluator(state, ev, expression)) return;
    double t = 0.0;
    for (auto _ : state) {
        ev.SetSlotValue(0, t);
        benchmark::DoNotOptimize(ev.Evaluate());
        t += step;
        if (t > last) t = 0.0;
    }
    state.counters["ns_per_sample"] =
        benchmark::Counter(static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_BareReevaluation(benchmark::State& state) {
    RunBare(state, "SIN(t)*EXP(-t/5)+t^2/3", 1.0, 1048575.0);
}
BENCHMARK(BM_BareReevaluation);

void RunWhole(benchmark::State& state, const char* expression, double samples) {
    Evaluator ev;
    if (!PrepareEvaluator(state, ev, expression)) return;
    for (auto _ : state) benchmark::DoNotOptimize(ev.Evaluate());
    state.counters["ns_per_sample"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * samples,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_FsumMillionTerms(benchmark::State& state) {
    RunWhole(state, "FSUM(SIN(t)*EXP(-t/5)+t^2/3, 0, 1048575)", kSumSamples);
}
BENCHMARK(BM_FsumMillionTerms)->Unit(benchmark::kMillisecond);

// One whole call, timed per call: what the user waits for.
void RunCall(benchmark::State& state, const char* expression) {
    Evaluator ev;
    if (!PrepareEvaluator(state, ev, expression)) return;
    for (auto _ : state) benchmark::DoNotOptimize(ev.Evaluate());
    if (ev.LastError() != 0) state.SkipWithError("evaluation failed");
}

// SQRT's infinite slope at 0, at the finest precision: the end-point
// singularity that plain extrapolation cannot settle.
void BM_FintSqrtFinest(benchmark::State& state) {
    RunCall(state, "FINT(SQRT(t)+SIN(t)*EXP(-t/5)+t^2/3, 0, 1, 1E-15)");
}
BENCHMARK(BM_FintSqrtFinest)->Unit(benchmark::kMillisecond);

void BM_FintSmooth(benchmark::State& state) { RunCall(state, "FINT(SIN(t)*EXP(-t/5)+t^2/3, 0, 1)"); }
BENCHMARK(BM_FintSmooth)->Unit(benchmark::kMicrosecond);

void BM_FintSmoothTight(benchmark::State& state) {
    RunCall(state, "FINT(SIN(t)*EXP(-t/5)+t^2/3, 0, 3, 1E-12)");
}
BENCHMARK(BM_FintSmoothTight)->Unit(benchmark::kMicrosecond);

void BM_FintGaussian(benchmark::State& state) { RunCall(state, "FINT(EXP(-t^2), -2, 2)"); }
BENCHMARK(BM_FintGaussian)->Unit(benchmark::kMicrosecond);

void BM_FdiffSmooth(benchmark::State& state) { RunCall(state, "FDIFF(SIN(t)*EXP(-t/5)+t^2/3, 0.7)"); }
BENCHMARK(BM_FdiffSmooth)->Unit(benchmark::kMicrosecond);

void BM_FdiffPolynomial(benchmark::State& state) { RunCall(state, "FDIFF(t^3-2*t, 3)"); }
BENCHMARK(BM_FdiffPolynomial)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
