#pragma once

#include "engine/Solver.h"

namespace velmora {

struct EngineState;
struct WaterState;
struct WaterWindowData;

/// Loads a window's water into the engine's water for a treatment: its inputs and the free ions of its
/// first state as every calculation on it does, then the free ions at their totals, where each
/// treatment's speciation starts. The ionic strength and the activity coefficient are those of the
/// water at tb, so that no step depends on what the engine computed before.
void loadWaterToTreat(const WaterWindowData& source, WaterState& water);

/// Solves a treated water by input method 7 (m-value and c(DIC)). Its three states then take the ionic
/// strength of their species as the one "from the conductivity": the conductivity of a treated water
/// was never measured. Throws EngineError on an arithmetic fault.
SearchResult solveTreatedWater(EngineState& engine);

} // namespace velmora
