// Speed of the expression engine: re-evaluating a parsed tree (what the
// solvers do thousands of times per call) and parsing plus evaluating a
// typical line, with muparser on the same expressions as a yardstick.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cstdint>
#include <string>

#include "RatioReporter.h"
#include "engine/Evaluator.h"

namespace {

using quorvix::Evaluator;

constexpr const char* kDamped = "SIN(t)*EXP(-t/5)+t^2/3";
constexpr const char* kDampedMu = "sin(t)*exp(-t/5)+t^2/3";
constexpr const char* kPolynomial = "3*t^4-2*t^3+t^2-7*t+5";
constexpr const char* kPolynomialMu = "3*t^4-2*t^3+t^2-7*t+5";
constexpr const char* kOscillating = "SIN(t)*COS(t/3)+SQRT(t+1)";
constexpr const char* kOscillatingMu = "sin(t)*cos(t/3)+sqrt(t+1)";
constexpr const char* kLine = "2*SIN(30)+SQRT(16)/(1+2^3)-LOG(1000)*1.5";
constexpr const char* kLineMu = "2*sin(30)+sqrt(16)/(1+2^3)-log10(1000)*1.5";

void PrepareMain(Evaluator& e) {
    quorvix::SetSeparators('.', ',');
    e.SetSlotCount(2);
    e.SetSlotName(0, "t");
    e.SetSlotName(1, "ANS");
}

void ReevaluateQuorvix(benchmark::State& state, const char* text, quorvix::AngleUnit unit = 1) {
    Evaluator e;
    PrepareMain(e);
    e.setAngleUnit(unit);
    e.SetExpression(text);
    if (e.Parse() != quorvix::kNoError) state.SkipWithError("parse failed");
    double t = 0.1;
    for (auto _ : state) {
        e.SetSlotValue(0, t);
        benchmark::DoNotOptimize(e.Evaluate());
        t += 1e-3;
        if (t > 10) t = 0.1;
    }
}

void ReevaluateMuparser(benchmark::State& state, const char* text) {
    double t = 0.1;
    mu::Parser p;
    p.DefineVar("t", &t);
    p.SetExpr(text);
    p.Eval();  // compiles to bytecode
    for (auto _ : state) {
        benchmark::DoNotOptimize(p.Eval());
        t += 1e-3;
        if (t > 10) t = 0.1;
    }
}

void BM_Reevaluate_Damped_Quorvix(benchmark::State& s) { ReevaluateQuorvix(s, kDamped); }
void BM_Reevaluate_Damped_Muparser(benchmark::State& s) { ReevaluateMuparser(s, kDampedMu); }
void BM_Reevaluate_Polynomial_Quorvix(benchmark::State& s) { ReevaluateQuorvix(s, kPolynomial); }
void BM_Reevaluate_Polynomial_Muparser(benchmark::State& s) { ReevaluateMuparser(s, kPolynomialMu); }

void BM_Reevaluate_Oscillating_Quorvix(benchmark::State& s) { ReevaluateQuorvix(s, kOscillating); }
void BM_Reevaluate_Oscillating_Muparser(benchmark::State& s) { ReevaluateMuparser(s, kOscillatingMu); }

// One trigonometric call per evaluation, in radians (the library's own sin)
// and in degrees (exact reduction of the angle first), over t = 0.1 .. 10.
void BM_Reevaluate_Sin_Radians(benchmark::State& s) { ReevaluateQuorvix(s, "SIN(t)", 1); }
void BM_Reevaluate_Sin_Degrees(benchmark::State& s) { ReevaluateQuorvix(s, "SIN(t)", 0); }
void BM_Reevaluate_Sin_Muparser(benchmark::State& s) { ReevaluateMuparser(s, "sin(t)"); }

// The sum of an expression over t = 0, 1, ..., 2^20 - 1: FSUM against a loop
// around muparser. Most samples of the damped expression take exp far
// below its underflow threshold.
constexpr double kSumLast = 1048575.0;

void SumQuorvix(benchmark::State& state, const char* text) {
    Evaluator e;
    PrepareMain(e);
    e.SetExpression(std::string("FSUM(") + text + ", 0, 1048575)");
    if (e.Parse() != quorvix::kNoError) state.SkipWithError("parse failed");
    for (auto _ : state) benchmark::DoNotOptimize(e.Evaluate());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kSumLast + 1));
}

void SumMuparser(benchmark::State& state, const char* text) {
    double t = 0.0;
    mu::Parser p;
    p.DefineVar("t", &t);
    p.SetExpr(text);
    p.Eval();
    for (auto _ : state) {
        double sum = 0.0;
        for (t = 0.0; t <= kSumLast; t += 1.0) sum += p.Eval();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kSumLast + 1));
}

void BM_Fsum_Damped_Quorvix(benchmark::State& s) { SumQuorvix(s, kDamped); }
void BM_Fsum_Damped_Muparser(benchmark::State& s) { SumMuparser(s, kDampedMu); }
void BM_Fsum_Polynomial_Quorvix(benchmark::State& s) { SumQuorvix(s, kPolynomial); }
void BM_Fsum_Polynomial_Muparser(benchmark::State& s) { SumMuparser(s, kPolynomialMu); }
void BM_Fsum_Oscillating_Quorvix(benchmark::State& s) { SumQuorvix(s, kOscillating); }
void BM_Fsum_Oscillating_Muparser(benchmark::State& s) { SumMuparser(s, kOscillatingMu); }

void BM_ParseEvaluateLine_Quorvix(benchmark::State& state) {
    Evaluator e;
    PrepareMain(e);
    e.setAngleUnit(0);
    for (auto _ : state) {
        e.SetExpression(kLine);
        e.Parse();
        benchmark::DoNotOptimize(e.Evaluate());
    }
}

void BM_ParseEvaluateLine_Muparser(benchmark::State& state) {
    mu::Parser p;
    for (auto _ : state) {
        p.SetExpr(kLineMu);
        benchmark::DoNotOptimize(p.Eval());
    }
}

// A 100,000-character line "1+1+...+1": parsing must stay near linear.
void BM_ParseLongSum_Quorvix(benchmark::State& state) {
    std::string line = "1";
    while (line.size() < 100000) line += "+1";
    Evaluator e;
    PrepareMain(e);
    for (auto _ : state) {
        e.SetExpression(line);
        e.Parse();
        benchmark::DoNotOptimize(e.Evaluate());
    }
}

}  // namespace

BENCHMARK(BM_Reevaluate_Damped_Quorvix);
BENCHMARK(BM_Reevaluate_Damped_Muparser);
BENCHMARK(BM_Reevaluate_Polynomial_Quorvix);
BENCHMARK(BM_Reevaluate_Polynomial_Muparser);
BENCHMARK(BM_Reevaluate_Oscillating_Quorvix);
BENCHMARK(BM_Reevaluate_Oscillating_Muparser);
BENCHMARK(BM_Reevaluate_Sin_Radians);
BENCHMARK(BM_Reevaluate_Sin_Degrees);
BENCHMARK(BM_Reevaluate_Sin_Muparser);
BENCHMARK(BM_Fsum_Damped_Quorvix)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fsum_Damped_Muparser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fsum_Polynomial_Quorvix)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fsum_Polynomial_Muparser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fsum_Oscillating_Quorvix)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fsum_Oscillating_Muparser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseEvaluateLine_Quorvix);
BENCHMARK(BM_ParseEvaluateLine_Muparser);
BENCHMARK(BM_ParseLongSum_Quorvix)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    using quorvix::bench::Comparison;
    return quorvix::bench::RunWithRatios(
        argc, argv,
        {
            Comparison{"re-evaluate damped: Quorvix / muparser", "BM_Reevaluate_Damped_Quorvix",
                       "BM_Reevaluate_Damped_Muparser", 1.0, "", true},
            Comparison{"re-evaluate polynomial: Quorvix / muparser", "BM_Reevaluate_Polynomial_Quorvix",
                       "BM_Reevaluate_Polynomial_Muparser", 1.0, "", true},
            Comparison{"re-evaluate oscillating: Quorvix / muparser", "BM_Reevaluate_Oscillating_Quorvix",
                       "BM_Reevaluate_Oscillating_Muparser", 1.0, "", true},
            Comparison{"re-evaluate SIN(t) in radians: Quorvix / muparser", "BM_Reevaluate_Sin_Radians",
                       "BM_Reevaluate_Sin_Muparser", 1.0, "", true},
            Comparison{"re-evaluate SIN(t) in degrees: Quorvix / muparser", "BM_Reevaluate_Sin_Degrees",
                       "BM_Reevaluate_Sin_Muparser", 1.0, "", true},
            Comparison{"FSUM damped: Quorvix / muparser", "BM_Fsum_Damped_Quorvix", "BM_Fsum_Damped_Muparser",
                       1.0, "", true},
            Comparison{"FSUM polynomial: Quorvix / muparser", "BM_Fsum_Polynomial_Quorvix",
                       "BM_Fsum_Polynomial_Muparser", 1.0, "", true},
            Comparison{"FSUM oscillating: Quorvix / muparser", "BM_Fsum_Oscillating_Quorvix",
                       "BM_Fsum_Oscillating_Muparser", 1.0, "", true},
        });
}
