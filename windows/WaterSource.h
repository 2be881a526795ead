#pragma once

namespace velmora {

class AnalysisHeader;
struct WaterState;
struct WaterWindowData;

/// A window that holds an evaluated water, as the calculations on the active water see it.
class WaterSource {
public:
    virtual ~WaterSource() = default;

    virtual const AnalysisHeader& analysisHeader() const = 0;
    /// The engine's input method the water was evaluated with (9 for a mixture).
    virtual int inputMethod() const = 0;
    /// The window's own copy of the evaluated water.
    virtual const WaterWindowData& waterData() const = 0;
    /// Writes the water back into `water`: the inputs and the free ions of its first state. The engine
    /// does not run.
    virtual void LoadWaterState(WaterState& water) const = 0;
};

} // namespace velmora
