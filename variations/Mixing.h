#pragma once

#include "variations/VariationRecord.h"

#include <vector>

namespace velmora {

struct EngineState;
struct WaterWindowData;

/// The three records of a mixing series, as a mixing window shows and saves them: the mixture (header,
/// range, eleven rows) and the inputs of the two source waters.
struct MixingRecords {
    VariationRecord mixture;
    VariationRecord waterA;
    VariationRecord waterB;

    bool operator==(const MixingRecords&) const = default;
};

/// Mixes water A and B in eleven steps from `start` to `end` % of water A (track bar positions, 0 to
/// 100; the end may lie below the start). Row k holds the mixture with start + k (end - start)/10 % of
/// A, solved by input method 9. The mixture's input block ends up with the last row's mixed inputs,
/// the four source results and the method of water B; the source records receive their 19 mixed
/// quantities only. The header of the mixture is left as it is.
void mixSeries(EngineState& engine, MixingRecords& records, const WaterWindowData& waterA,
               const WaterWindowData& waterB, int start, int end);

/// One water of a fixed-ratio mixture and its share; shares are relative and need not add up to 100.
struct MixingShare {
    double share;
    const WaterWindowData* water;
};

/// Mixes the waters at their shares into the engine's water and solves it by input method 9, so that a
/// new water window can take it. The shares are taken in the order given, which is the order of the
/// open windows; each water's inputs pass through the mixture record's input block on the way. A share
/// sum of 0 leaves the inputs at 0.
void mixFixedRatio(EngineState& engine, VariationRecord& mixture, const std::vector<MixingShare>& shares);

} // namespace velmora
