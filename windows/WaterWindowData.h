#pragma once

#include "engine/ResultArea.h"
#include "engine/WaterState.h"

#include <array>

namespace velmora {

struct EngineState;

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

/// Writes the measured inputs of a water into the engine's water: the carbonate quantities and their
/// temperatures, tb, k(25), SI(e), rho(O2) and the seven totals. `Inputs` is any record with those names
/// (a water window's data, a variation record's input block).
template <class Inputs>
void loadMeasuredInputs(const Inputs& in, WaterState& w) {
    w.pHm = in.pHm;
    w.tPh = in.tPh;
    w.ks43 = in.ks43;
    w.tKs = in.tKs;
    w.kb82 = in.kb82;
    w.tKb = in.tKb;
    w.dic = in.dic;
    w.tEval = in.tEval;
    w.mValue = in.mValue;
    w.k25 = in.k25;
    w.siTarget = in.siTarget;
    w.o2Mass = in.o2Mass;
    for (std::size_t i = 0; i < in.totals.size(); ++i)
        w.*totalFields[i] = in.totals[i];
}

} // namespace velmora
