#include "windows/WaterWindowData.h"

#include "engine/Engine.h"

namespace velmora {

WaterWindowData WaterWindowData::takeFrom(const EngineState& engine) {
    const WaterState& w = engine.water;
    WaterWindowData data;
    data.slots = engine.results;
    data.pHm = w.pHm;
    data.tPh = w.tPh;
    data.ks43 = w.ks43;
    data.tKs = w.tKs;
    data.kb82 = w.kb82;
    data.tKb = w.tKb;
    data.dic = w.dic;
    data.tEval = w.tEval;
    data.mValue = w.mValue;
    data.k25 = engine.results[1][slot::ionicStrengthK25] * 62000.0;
    data.siTarget = w.siTarget;
    for (std::size_t i = 0; i < data.totals.size(); ++i)
        data.totals[i] = w.*totalFields[i];
    data.o2Mass = w.o2Mass;
    data.method = engine.lastMethod;
    return data;
}

void WaterWindowData::loadInto(WaterState& w) const {
    loadMeasuredInputs(*this, w);
    const ResultSlot& s1 = slots[1];
    w.hco3 = s1[slot::hco3];
    w.caFree = s1[slot::caFree];
    w.mgFree = s1[slot::mgFree];
    w.naFree = s1[slot::naFree];
    w.si = s1[slot::si];
}

} // namespace velmora
