#include "engine/AnalysisInput.h"
#include "engine/Calcite.h"
#include "engine/Engine.h"
#include "engine/EngineSteps.h"
#include "engine/Lockstep.h"
#include "engine/Solver.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

using namespace velmora;

// A hard groundwater as the laboratories send it.
const AnalysisInput groundwater{
    7.21, 11.4, 4.35, 20, 0.7, 20, 5.0, 4.35, 10, 620, {2.45, 0.82, 0.74, 0.06, 0.95, 0.21, 0.88}};

EngineState evaluated(int method) {
    EngineState engine;
    storeAnalysisInput(engine.water, groundwater, method);
    runEngine(engine, method);
    return engine;
}

void runEngineByMethod(benchmark::State& state) {
    const int method = int(state.range(0));
    const EngineState start = evaluated(method);
    for (auto _ : state) {
        EngineState engine = start;
        benchmark::DoNotOptimize(runEngine(engine, method));
        benchmark::DoNotOptimize(engine.results);
    }
}
BENCHMARK(runEngineByMethod)->DenseRange(1, 7)->Unit(benchmark::kMicrosecond);

// The same evaluations sixteen at a time in lockstep, as the batch evaluator runs them: "per water" is the
// time of one.
void runEnginesInLockstepByMethod(benchmark::State& state) {
    constexpr std::size_t waters = 16;
    const int method = int(state.range(0));
    const EngineState start = evaluated(method);
    std::vector<EngineState> engines(waters);
    for (auto _ : state) {
        std::size_t handedOut = 0;
        runEnginesInLockstep(
            [&](EngineJob& job) {
                if (handedOut == waters)
                    return false;
                engines[handedOut] = start;
                job = {&engines[handedOut], method, handedOut};
                ++handedOut;
                return true;
            },
            [](const EngineJob&, const SearchResult& result, std::exception_ptr) {
                benchmark::DoNotOptimize(result);
            });
        benchmark::DoNotOptimize(engines.data());
    }
    state.counters["per water"] = benchmark::Counter(
        double(waters), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(runEnginesInLockstepByMethod)->DenseRange(1, 7)->Unit(benchmark::kMicrosecond);

void solvePhAtTb(benchmark::State& state) {
    const WaterState start = evaluated(1).water;
    for (auto _ : state) {
        WaterState water = start;
        water.temp = water.tEval;
        benchmark::DoNotOptimize(solvePh(water));
        benchmark::DoNotOptimize(water.pH);
    }
}
BENCHMARK(solvePhAtTb)->Unit(benchmark::kMicrosecond);

void speciateAtTb(benchmark::State& state) {
    const WaterState start = evaluated(1).water;
    for (auto _ : state) {
        WaterState water = start;
        speciate(water);
        benchmark::DoNotOptimize(water.co3);
    }
}
BENCHMARK(speciateAtTb);

// The calcite equilibrium from the water at tb, as the evaluation's last step takes it.
void calciteEquilibriumAtTb(benchmark::State& state) {
    EngineState start = evaluated(1);
    loadSlot(start.water, start.results, 1);
    for (auto _ : state) {
        EngineState engine = start;
        benchmark::DoNotOptimize(runAlone(findCalciteEquilibriumSteps(engine.water, engine.results)));
        benchmark::DoNotOptimize(engine.results);
    }
}
BENCHMARK(calciteEquilibriumAtTb)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
