#pragma once

#include "engine/AnalysisInput.h"
#include "engine/Engine.h"
#include "windows/WaterWindowData.h"

namespace velmora::test {

/// A groundwater as a water window keeps it after its evaluation by `method` at `tbCelsius`.
inline WaterWindowData evaluatedWater(int method = 1, double tbCelsius = 10, double pH = 7.21) {
    EngineState engine;
    const AnalysisInput input{
        pH, 11.4, 4.35, 20, 0.7, 20, 5.0, 4.35, tbCelsius, 620, {2.45, 0.82, 0.74, 0.06, 0.95, 0.21, 0.88}};
    storeAnalysisInput(engine.water, input, method);
    runEngine(engine, method);
    engine.water.o2Mass = 8.5;
    return WaterWindowData::takeFrom(engine);
}

/// A softer surface water, for mixing with the groundwater.
inline WaterWindowData surfaceWater(double tbCelsius = 20) {
    EngineState engine;
    const AnalysisInput input{
        7.95, 18.0, 1.6, 20, 0.05, 20, 0, 0, tbCelsius, 280, {0.9, 0.25, 0.52, 0.08, 0.4, 0.12, 0.6}};
    storeAnalysisInput(engine.water, input, 1);
    runEngine(engine, 1);
    engine.water.o2Mass = 10.2;
    return WaterWindowData::takeFrom(engine);
}

} // namespace velmora::test
