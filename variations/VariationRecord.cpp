#include "variations/VariationRecord.h"

#include "windows/WaterWindowData.h"

namespace velmora {

namespace {

template <class Block>
auto mixedFields(Block& b) {
    return std::array{&b.pHm,       &b.tPh,       &b.ks43,      &b.tKs,       &b.kb82,
                      &b.tKb,       &b.dic,       &b.tEval,     &b.mValue,    &b.k25,
                      &b.siTarget,  &b.o2Mass,    &b.totals[0], &b.totals[1], &b.totals[2],
                      &b.totals[3], &b.totals[4], &b.totals[5], &b.totals[6]};
}

} // namespace

InputBlock::Mixed InputBlock::mixed() const {
    Mixed values;
    const auto fields = mixedFields(*this);
    for (std::size_t q = 0; q < mixedCount; ++q)
        values[q] = *fields[q];
    return values;
}

void InputBlock::setMixed(const Mixed& values) {
    const auto fields = mixedFields(*this);
    for (std::size_t q = 0; q < mixedCount; ++q)
        *fields[q] = values[q];
}

void InputBlock::loadInto(WaterState& w) const {
    loadMeasuredInputs(*this, w);
}

void VariationRecord::takeInputsOf(const WaterWindowData& water) {
    inputs.pHm = water.pHm;
    inputs.tPh = water.tPh;
    inputs.ks43 = water.ks43;
    inputs.tKs = water.tKs;
    inputs.kb82 = water.kb82;
    inputs.tKb = water.tKb;
    const ResultSlot& s1 = water.slots[1];
    inputs.sourceResults = {s1[slot::pH], s1[slot::caFree], s1[slot::so4Free], s1[slot::hco3]};
    inputs.dic = water.dic;
    inputs.tEval = water.tEval;
    inputs.mValue = water.mValue;
    inputs.k25 = water.k25;
    inputs.siTarget = water.siTarget;
    inputs.o2Mass = water.o2Mass;
    inputs.totals = water.totals;
    inputMethod = water.method;
}

} // namespace velmora
