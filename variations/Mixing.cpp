#include "variations/Mixing.h"

#include "engine/Engine.h"
#include "windows/WaterWindowData.h"

namespace velmora {

namespace {

// The input method that evaluates a mixture from its m-value and c(DIC), as method 7 does.
constexpr int mixtureMethod = 9;

} // namespace

void mixSeries(EngineState& engine, MixingRecords& records, const WaterWindowData& waterA,
               const WaterWindowData& waterB, int start, int end) {
    VariationRecord& mixture = records.mixture;
    double shareA = start / 100.0;
    for (std::size_t row = 0; row < VariationRecord::rowCount; ++row) {
        mixture.takeInputsOf(waterA);
        InputBlock::Mixed scratch = mixture.inputs.mixed();
        for (double& value : scratch)
            value *= shareA;
        records.waterA.inputs.setMixed(mixture.inputs.mixed());

        const double shareB = 100.0 / 100.0 - shareA;
        mixture.takeInputsOf(waterB);
        records.waterB.inputs.setMixed(mixture.inputs.mixed());
        InputBlock::Mixed mixed = mixture.inputs.mixed();
        for (std::size_t q = 0; q < mixed.size(); ++q)
            mixed[q] = mixed[q] * shareB + scratch[q];
        mixture.inputs.setMixed(mixed);

        mixture.inputs.loadInto(engine.water);
        runEngine(engine, mixtureMethod);
        mixture.rows[row] = engine.results[1];
        mixture.rangeStart = start;
        mixture.rangeEnd = end;
        // The share grows by a tenth of the range each row, summed as it goes.
        shareA += (end - start) / 10.0 / 100.0;
    }
}

void mixFixedRatio(EngineState& engine, VariationRecord& mixture, const std::vector<MixingShare>& shares) {
    double sum = 0;
    for (const MixingShare& share : shares)
        sum += share.share;
    InputBlock none;
    none.loadInto(engine.water);
    if (sum != 0) {
        InputBlock::Mixed mixed{};
        for (const MixingShare& share : shares) {
            mixture.takeInputsOf(*share.water);
            const InputBlock::Mixed values = mixture.inputs.mixed();
            for (std::size_t q = 0; q < mixed.size(); ++q)
                mixed[q] += values[q] * share.share / sum;
        }
        InputBlock total;
        total.setMixed(mixed);
        total.loadInto(engine.water);
    }
    runEngine(engine, mixtureMethod);
}

} // namespace velmora
