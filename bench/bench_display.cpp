// The worksheet's user-visible costs: formatting an answer, one line from
// Enter to the answer on the display, a variable listing, and building the
// calculator logic (part of start-up).

#include <benchmark/benchmark.h>

#include <string>

#include "calculator/CalculatorDialog.h"
#include "calculator/ResultFormat.h"
#include "calculator/TextDisplay.h"
#include "platform/MemoryPrompter.h"

namespace quorvix {
namespace {

void BM_FormatResultDecimal(benchmark::State& state) {
    const std::string pattern = BuildNumberPattern(kGeneralFormat, 10);
    double x = 1.0 / 3.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatResult(x, 10, pattern));
        x += 1e-3;
    }
}
BENCHMARK(BM_FormatResultDecimal);

void BM_FormatResultHexWithWarning(benchmark::State& state) {
    const std::string pattern = BuildNumberPattern(kGeneralFormat, 10);
    double x = 255.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatResult(x, 16, pattern));
        x += 1.0;
    }
}
BENCHMARK(BM_FormatResultHexWithWarning);

// One Enter on a line of a worksheet that already holds n answered lines.
void BM_EnterOneLine(benchmark::State& state) {
    TextDisplay display;
    MemoryPrompter prompter;
    CalculatorDialog calc(display, prompter);
    std::string sheet;
    for (int i = 0; i < state.range(0); ++i) sheet += "2*sin(30)+sqrt(2) =\n1.455232637\n";
    for (auto _ : state) {
        state.PauseTiming();
        display.SetText(sheet + "2*sin(30)+sqrt(2)");
        state.ResumeTiming();
        calc.EvaluateCurrentLine();
        display.ProcessQueuedInput();
    }
}
BENCHMARK(BM_EnterOneLine)->Arg(0)->Arg(100)->Arg(10000);

// Enter on the last of n empty lines: reading walks up to the expression.
void BM_EnterBelowEmptyLines(benchmark::State& state) {
    TextDisplay display;
    MemoryPrompter prompter;
    CalculatorDialog calc(display, prompter);
    const std::string sheet = "1+1" + std::string(static_cast<std::size_t>(state.range(0)), '\n');
    for (auto _ : state) {
        state.PauseTiming();
        display.SetText(sheet);
        state.ResumeTiming();
        calc.EvaluateCurrentLine();
        display.ProcessQueuedInput();
    }
}
BENCHMARK(BM_EnterBelowEmptyLines)->Arg(100)->Arg(10000)->Arg(100000);

void BM_ShowVariablesListing(benchmark::State& state) {
    TextDisplay display;
    MemoryPrompter prompter;
    CalculatorDialog calc(display, prompter);
    for (int i = 0; i < state.range(0); ++i) {
        std::string name = "V";
        name += std::to_string(i);
        calc.evaluator().SetVariable(name, i % 2 == 0 ? "1.5" : "V0*2+1");
    }
    for (auto _ : state) {
        display.SetText("SV");
        calc.ShowVariables();
        display.ProcessQueuedInput();
    }
}
BENCHMARK(BM_ShowVariablesListing)->Arg(10)->Arg(1000);

void BM_ConstructCalculator(benchmark::State& state) {
    TextDisplay display;
    MemoryPrompter prompter;
    for (auto _ : state) {
        CalculatorDialog calc(display, prompter);
        benchmark::DoNotOptimize(&calc);
    }
}
BENCHMARK(BM_ConstructCalculator);

}  // namespace
}  // namespace quorvix

BENCHMARK_MAIN();
