// Speed of the unit conversion: name lookups as the catalogue spells the
// names and in capitals, simple and compound conversions that succeed, a
// failing one between two unconnected units, the same with 1000 user
// conversions loaded, and a failing search that runs into the budget.

#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "units/ConversionList.h"
#include "units/UnitCatalogue.h"
#include "units/UnitConversionEngine.h"
#include "units/UnitGraph.h"

namespace {

using quorvix::ConversionList;
using quorvix::UnitConversionEngine;

void Convert(benchmark::State& state, const ConversionList& list, const char* from,
             const char* to, quorvix::EvalError expected) {
    UnitConversionEngine engine(list);
    double result = 0;
    if (engine.ConvertUnits(1.0, from, to, result) != expected) {
        state.SkipWithError("unexpected conversion result");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.ConvertUnits(1.0, from, to, result));
        benchmark::DoNotOptimize(result);
    }
    state.counters["row_visits"] = static_cast<double>(engine.lastSearchCost());
}

// 1000 user conversions, each a new unit hung off one catalogue unit, spread
// over every group of the catalogue.
void AddUserConversions(ConversionList& list) {
    for (int i = 0; i < ConversionList::kMaxUserConversions; ++i) {
        std::string name = "user unit ";
        name += std::to_string(i);
        list.AppendUserConversion(name, quorvix::CatalogueRowAt(i % quorvix::kCatalogueRowCount).base,
                                  1.0 + i);
    }
}

// Every name and base text of the catalogue, looked up once per iteration,
// as spelt in the catalogue or in capitals (the form a typed unit may take).
void LookUpCatalogueNames(benchmark::State& state, bool capitals) {
    ConversionList list;
    quorvix::UnitGraph graph(list);
    std::vector<std::string> texts;
    for (int k = 0; k < quorvix::kCatalogueRowCount; ++k) {
        texts.emplace_back(quorvix::CatalogueRowAt(k).name);
        texts.emplace_back(quorvix::CatalogueRowAt(k).base);
    }
    if (capitals) {
        for (std::string& t : texts) {
            for (char& c : t) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    for (auto _ : state) {
        for (const std::string& t : texts) benchmark::DoNotOptimize(graph.FindUnit(t));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

void BM_FindUnitAsSpelt(benchmark::State& state) { LookUpCatalogueNames(state, false); }
BENCHMARK(BM_FindUnitAsSpelt);

void BM_FindUnitInCapitals(benchmark::State& state) { LookUpCatalogueNames(state, true); }
BENCHMARK(BM_FindUnitInCapitals);

// A conversion over the catalogue alone: one row, or a name matched
// regardless of case and then one more row.
void BM_CatalogueConversion(benchmark::State& state, const char* from, const char* to) {
    ConversionList list;
    Convert(state, list, from, to, quorvix::kNoError);
}
BENCHMARK_CAPTURE(BM_CatalogueConversion, KilogramToGram, "kg", "g");
BENCHMARK_CAPTURE(BM_CatalogueConversion, KilowattToWattInCapitals, "KILOWATT", "W");

void BM_KmPerHourToMetersPerSecond(benchmark::State& state) {
    ConversionList list;
    Convert(state, list, "km/h", "m/s", quorvix::kNoError);
}
BENCHMARK(BM_KmPerHourToMetersPerSecond);

void BM_UnconnectedUnits(benchmark::State& state) {
    ConversionList list;
    Convert(state, list, "m", "kg", quorvix::kBadArgument);
}
BENCHMARK(BM_UnconnectedUnits);

void BM_UnconnectedUnitsWith1000UserConversions(benchmark::State& state) {
    ConversionList list;
    AddUserConversions(list);
    Convert(state, list, "m", "kg", quorvix::kBadArgument);
}
BENCHMARK(BM_UnconnectedUnitsWith1000UserConversions);

void BM_KmPerHourWith1000UserConversions(benchmark::State& state) {
    ConversionList list;
    AddUserConversions(list);
    Convert(state, list, "km/h", "m/s", quorvix::kNoError);
}
BENCHMARK(BM_KmPerHourWith1000UserConversions);

// 45 units joined pairwise (990 user conversions): the failing search is
// stopped by the budget of row visits.
void BM_DenseUserGraphHitsTheBudget(benchmark::State& state) {
    ConversionList list;
    for (int i = 0; i < 45; ++i) {
        for (int j = i + 1; j < 45; ++j) {
            std::string a = "u", b = "u";
            a += std::to_string(i);
            b += std::to_string(j);
            list.AppendUserConversion(a, b, 2.0);
        }
    }
    Convert(state, list, "u0", "m", quorvix::kBadArgument);
}
BENCHMARK(BM_DenseUserGraphHitsTheBudget)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
