// The treatment iterations on a typical groundwater (SI -0.11 at 10 °C, KS(4,3) 4.35 mmol/l), each from the
// water as its window keeps it to the iteration's end; the full solve of the result is not included. Then
// the three plant designs with their dialogs' defaults (the optimised H-decarbonisation from a 4 h run).
#include "engine/AnalysisInput.h"
#include "engine/Engine.h"
#include "treatment/Deacidification.h"
#include "treatment/Decarbonisation.h"
#include "treatment/Dosing.h"
#include "treatment/IonExchange.h"
#include "treatment/RapidDecarbonisation.h"
#include "treatment/TreatedWater.h"
#include "windows/WaterWindowData.h"

#include <benchmark/benchmark.h>

namespace {

using namespace velmora;

WaterWindowData groundwater() {
    EngineState engine;
    storeAnalysisInput(
        engine.water,
        {7.21, 11.4, 4.35, 20, 0.7, 20, 5.0, 4.35, 10, 620, {2.45, 0.82, 0.74, 0.06, 0.95, 0.21, 0.88}}, 1);
    runEngine(engine, 1);
    return WaterWindowData::takeFrom(engine);
}

WaterState startOf(const WaterWindowData& source) {
    WaterState water{};
    loadWaterToTreat(source, water);
    return water;
}

void doseHclToPh65(benchmark::State& state) {
    const WaterState start = startOf(groundwater());
    for (auto _ : state) {
        WaterState water = start;
        benchmark::DoNotOptimize(doseToPh(water, Chemical::Hcl, 0.1, 6.5));
    }
}
BENCHMARK(doseHclToPh65)->Unit(benchmark::kMicrosecond);

void deacidifyWithLimeToSi0(benchmark::State& state) {
    const WaterState start = startOf(groundwater());
    for (auto _ : state) {
        WaterState water = start;
        benchmark::DoNotOptimize(deacidify(water, DeacidificationMethod::Lime, 0.0, iterationInterval(-1)));
    }
}
BENCHMARK(deacidifyWithLimeToSi0)->Unit(benchmark::kMicrosecond);

void decarboniseTo1(benchmark::State& state) {
    const auto agent = DecarbonisationAgent(state.range(0));
    const WaterState start = startOf(groundwater());
    for (auto _ : state) {
        WaterState water = start;
        benchmark::DoNotOptimize(decarbonise(water, agent, 1.0, [] { return true; }));
    }
}
BENCHMARK(decarboniseTo1)
    ->Arg(int(DecarbonisationAgent::Lime))
    ->Arg(int(DecarbonisationAgent::Hcl))
    ->Unit(benchmark::kMicrosecond);

void solveTreatedWaterByMethod7(benchmark::State& state) {
    EngineState start;
    loadWaterToTreat(groundwater(), start.water);
    for (auto _ : state) {
        EngineState engine = start;
        benchmark::DoNotOptimize(solveTreatedWater(engine));
    }
}
BENCHMARK(solveTreatedWaterByMethod7)->Unit(benchmark::kMicrosecond);

void designRapidDecarbonisationDefaults(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(designRapidDecarbonisation({150, 15, 0.002, 0.003}));
}
BENCHMARK(designRapidDecarbonisationDefaults)->Unit(benchmark::kMicrosecond);

void designHDecarbonisationDefaults(benchmark::State& state) {
    const bool optimised = state.range(0) != 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(designHDecarbonisation(0.003, 50, optimised ? 4 : 48, optimised));
}
BENCHMARK(designHDecarbonisationDefaults)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void designSofteningDefaults(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(designSoftening(7, 20, 8, 0.01, 2));
}
BENCHMARK(designSofteningDefaults)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
