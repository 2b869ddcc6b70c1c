// Start-up work of the user definitions (decoding full files, compiling a
// thousand functions) and the cost of calling a user function and RATE from
// an expression.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/Evaluator.h"
#include "units/ConversionList.h"
#include "userdefs/UserDefinitionFormat.h"
#include "userdefs/UserFunctionCompiler.h"

using namespace quorvix;

namespace {

std::vector<UserFunction> ThousandFunctions() {
    std::vector<UserFunction> functions;
    for (int i = 0; i < 1000; ++i) {
        UserFunction f;
        f.name = "F";
        f.name += std::to_string(i);
        f.expression = "sqrt(a*a+b*b)+t*";
        f.expression += std::to_string(i);
        f.syntax = "x, y";
        f.description = "hypotenuse plus an offset";
        f.minArgs = f.maxArgs = 2;
        functions.push_back(f);
    }
    return functions;
}

void BM_DecodeThousandFunctions(benchmark::State& state) {
    const std::string bytes = EncodeUserFunctions(ThousandFunctions());
    for (auto _ : state) benchmark::DoNotOptimize(DecodeUserFunctions(bytes));
}
BENCHMARK(BM_DecodeThousandFunctions);

void BM_DecodeThousandConstants(benchmark::State& state) {
    std::vector<UserConstant> constants;
    for (int i = 0; i < 1000; ++i) constants.push_back({std::to_string(i) + "c", "m/s", i + 0.5});
    const std::string bytes = EncodeUserConstants(constants);
    for (auto _ : state) benchmark::DoNotOptimize(DecodeUserConstants(bytes));
}
BENCHMARK(BM_DecodeThousandConstants);

void BM_CompileThousandFunctions(benchmark::State& state) {
    const std::vector<UserFunction> functions = ThousandFunctions();
    std::vector<UserFunctionEntry> compiled;
    for (auto _ : state) {
        CompileUserFunctions(functions, compiled);
        benchmark::DoNotOptimize(compiled.data());
    }
}
BENCHMARK(BM_CompileThousandFunctions);

// Parse and evaluate a call of the last of 1000 user functions (the parser
// compares names in list order).
void BM_CallLastOfThousandUserFunctions(benchmark::State& state) {
    std::vector<UserFunctionEntry> compiled;
    CompileUserFunctions(ThousandFunctions(), compiled);
    Evaluator main;
    main.SetSlotCount(2);
    main.SetSlotName(0, "t");
    main.SetSlotName(1, "ANS");
    main.setUserFunctions(&compiled);
    for (auto _ : state) {
        main.SetExpression("F999(3,4)");
        main.Parse();
        benchmark::DoNotOptimize(main.Evaluate());
    }
}
BENCHMARK(BM_CallLastOfThousandUserFunctions);

void BM_RateFromExpression(benchmark::State& state) {
    Evaluator main;
    for (auto _ : state) {
        main.SetExpression("RATE(360,-599.55,100000)");
        main.Parse();
        benchmark::DoNotOptimize(main.Evaluate());
    }
}
BENCHMARK(BM_RateFromExpression);

}  // namespace

BENCHMARK_MAIN();
