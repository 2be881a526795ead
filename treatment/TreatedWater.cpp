#include "treatment/TreatedWater.h"

#include "engine/ActivityModel.h"
#include "engine/Engine.h"
#include "windows/WaterWindowData.h"

namespace velmora {

void loadWaterToTreat(const WaterWindowData& source, WaterState& w) {
    source.loadInto(w);
    setFreeIonsToTotals(w);
    w.ionicStrength = source.slots[1][slot::ionicStrength];
    computeActivity(w);
}

SearchResult solveTreatedWater(EngineState& engine) {
    const SearchResult result = runEngine(engine, 7);
    for (int number = 1; number <= 3; ++number)
        engine.results[number][slot::ionicStrengthK25] = engine.results[number][slot::ionicStrength];
    return result;
}

} // namespace velmora
