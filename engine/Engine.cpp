#include "engine/Engine.h"

#include "engine/ArithmeticFaults.h"
#include "engine/Calcite.h"

namespace velmora {

EngineState& programEngine() {
    static EngineState state;
    return state;
}

SearchResult runEngine(EngineState& engine, int method) {
    ArithmeticFaultScope faults;
    WaterState& w = engine.water;
    SearchResult result = solveMethod(w, method);
    engine.lastMethod = method;

    w.temp = w.tEval;
    result.add(solvePh(w));
    computeSi(w);
    saveSlot(w, engine.results, 1);

    result.add(findSaturationPh(w));
    saveSlot(w, engine.results, 2);

    result.add(findCalciteEquilibrium(w, engine.results));
    loadSlot(w, engine.results, 1);

    for (int number = 1; number <= 3; ++number)
        for (double value : engine.results[number])
            throwOnArithmeticFault("runEngine", value);
    return result;
}

} // namespace velmora
