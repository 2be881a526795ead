#pragma once

#include "engine/ResultArea.h"
#include "engine/Solver.h"
#include "engine/WaterState.h"

namespace velmora {

/// The records an evaluation works on: the water, the result slots and the input method of the last
/// full run, which a window created afterwards stores as its method.
struct EngineState {
    WaterState water{};
    ResultArea results{};
    int lastMethod = 0;
};

/// The program-wide records, zero at start.
EngineState& programEngine();

/// Full evaluation for input method 1 to 7 or 9: solves the method, then fills slot 1 (the water at tb),
/// slot 2 (at its saturation pH) and slot 3 (after calcite equilibrium), and leaves the water of slot 1
/// with caEq, dicEq, mValueEq and pHEq in the state. Throws EngineError on an arithmetic fault; the
/// records are then partly updated. The result tells whether every bisection met its tolerance.
SearchResult runEngine(EngineState& engine, int method);

} // namespace velmora
