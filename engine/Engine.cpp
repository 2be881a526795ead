#include "engine/Engine.h"

#include "engine/ArithmeticFaults.h"
#include "engine/Calcite.h"
#include "engine/EngineSteps.h"

namespace velmora {

EngineState& programEngine() {
    static EngineState state;
    return state;
}

Steps<SearchResult> runEngineSteps(EngineState& engine, int method) {
    ArithmeticFaultScope faults;
    WaterState& w = engine.water;
    SearchResult result = co_await solveMethodSteps(w, method);
    engine.lastMethod = method;

    w.temp = w.tEval;
    result.add(co_await solvePhSteps(w));
    computeSi(w);
    saveSlot(w, engine.results, 1);

    result.add(co_await findSaturationPhSteps(w));
    saveSlot(w, engine.results, 2);

    result.add(co_await findCalciteEquilibriumSteps(w, engine.results));
    loadSlot(w, engine.results, 1);

    for (int number = 1; number <= 3; ++number)
        for (double value : engine.results[number])
            throwOnArithmeticFault("runEngine", value);
    co_return result;
}

SearchResult runEngine(EngineState& engine, int method) {
    return runAlone(runEngineSteps(engine, method));
}

} // namespace velmora
