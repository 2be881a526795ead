#pragma once

#include "engine/AnalysisInput.h"
#include "engine/Engine.h"
#include "windows/WaterWindowData.h"

namespace velmora::test {

/// An analysis as a water window keeps it after its evaluation by `method`, with rho(O2) `o2`.
inline WaterWindowData waterOf(const AnalysisInput& input, int method = 1, double o2 = 8.5) {
    EngineState engine;
    storeAnalysisInput(engine.water, input, method);
    runEngine(engine, method);
    engine.water.o2Mass = o2;
    return WaterWindowData::takeFrom(engine);
}

/// A groundwater evaluated by `method` at `tbCelsius`.
inline WaterWindowData evaluatedWater(int method = 1, double tbCelsius = 10, double pH = 7.21) {
    return waterOf(
        {pH, 11.4, 4.35, 20, 0.7, 20, 5.0, 4.35, tbCelsius, 620, {2.45, 0.82, 0.74, 0.06, 0.95, 0.21, 0.88}},
        method);
}

/// A softer surface water, for mixing with the groundwater.
inline WaterWindowData surfaceWater(double tbCelsius = 20) {
    return waterOf(
        {7.95, 18.0, 1.6, 20, 0.05, 20, 0, 0, tbCelsius, 280, {0.9, 0.25, 0.52, 0.08, 0.4, 0.12, 0.6}}, 1,
        10.2);
}

} // namespace velmora::test
