#pragma once

namespace velmora {

class AnalysisHeader;
class CalculationHost;
struct EngineState;

/// Opens the engine's evaluated water as a new water-analysis window with `header`, titled by its name
/// made unique among the open windows. The window has no data file yet.
void showNewWaterWindow(CalculationHost& host, const EngineState& engine, const AnalysisHeader& header);

} // namespace velmora
