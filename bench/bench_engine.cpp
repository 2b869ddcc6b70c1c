// Speed of the expression engine: re-evaluating a parsed tree (what the
// solvers do thousands of times per call) and parsing plus evaluating a
// typical line, with muparser on the same expressions as a yardstick.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <string>

#include "engine/Evaluator.h"

namespace {

using quorvix::Evaluator;

constexpr const char* kDamped = "SIN(t)*EXP(-t/5)+t^2/3";
constexpr const char* kDampedMu = "sin(t)*exp(-t/5)+t^2/3";
constexpr const char* kPolynomial = "3*t^4-2*t^3+t^2-7*t+5";
constexpr const char* kPolynomialMu = "3*t^4-2*t^3+t^2-7*t+5";
constexpr const char* kLine = "2*SIN(30)+SQRT(16)/(1+2^3)-LOG(1000)*1.5";
constexpr const char* kLineMu = "2*sin(30)+sqrt(16)/(1+2^3)-log10(1000)*1.5";

void PrepareMain(Evaluator& e) {
    quorvix::SetSeparators('.', ',');
    e.SetSlotCount(2);
    e.SetSlotName(0, "t");
    e.SetSlotName(1, "ANS");
}

void ReevaluateQuorvix(benchmark::State& state, const char* text) {
    Evaluator e;
    PrepareMain(e);
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
BENCHMARK(BM_ParseEvaluateLine_Quorvix);
BENCHMARK(BM_ParseEvaluateLine_Muparser);
BENCHMARK(BM_ParseLongSum_Quorvix)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
