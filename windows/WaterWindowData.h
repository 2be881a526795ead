#pragma once

#include "engine/ResultArea.h"

#include <array>

namespace velmora {

struct EngineState;
struct WaterState;

/// What a water-analysis window keeps of an evaluated water: its own copy of the slots and the inputs,
/// taken when the window is created. Units as in the WaterState (mol/l, K, µS/cm).
struct WaterWindowData {
    ResultArea slots;
    double pHm = 0, tPh = 0, ks43 = 0, tKs = 0, kb82 = 0, tKb = 0, dic = 0, tEval = 0, mValue = 0;
    double k25 = 0; ///< µS/cm, from the ionic strength of slot 1
    double siTarget = 0;
    std::array<double, 7> totals{}; ///< c(Ca) ... c(Cl)
    double o2Mass = 0;              ///< mg/l
    int method = 0;

    /// The snapshot a new window takes of the engine's records.
    static WaterWindowData takeFrom(const EngineState& engine);
    /// Writes the inputs and the free ions of slot 1 back into the water, as calculations on this water need.
    void loadInto(WaterState& water) const;

    bool operator==(const WaterWindowData&) const = default;
};

} // namespace velmora
