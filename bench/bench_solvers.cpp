// Cost per sample of the solver operators against plain re-evaluation of
// the same parsed expression, and a Romberg integral that runs all twenty
// stages (2^19 + 1 samples).

#include <benchmark/benchmark.h>

#include "engine/Evaluator.h"

namespace {

using quorvix::Evaluator;

constexpr double kSumSamples = 1048576.0;  // t = 0 .. 1048575
constexpr double kRombergSamples = 524289.0;

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

// SQRT's infinite slope at 0 keeps the extrapolation from reaching 1e-15,
// so every stage runs.
void BM_FintAllTwentyStages(benchmark::State& state) {
    RunWhole(state, "FINT(SQRT(t)+SIN(t)*EXP(-t/5)+t^2/3, 0, 1, 1E-15)", kRombergSamples);
}
BENCHMARK(BM_FintAllTwentyStages)->Unit(benchmark::kMillisecond);

void BM_BareReevaluationRombergIntegrand(benchmark::State& state) {
    RunBare(state, "SQRT(t)+SIN(t)*EXP(-t/5)+t^2/3", 1.0 / 524288.0, 1.0);
}
BENCHMARK(BM_BareReevaluationRombergIntegrand);

}  // namespace

BENCHMARK_MAIN();
