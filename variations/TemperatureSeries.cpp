#include "variations/TemperatureSeries.h"

#include "common/Units.h"
#include "engine/Engine.h"

#include <cmath>

namespace velmora {

bool isTemperatureRange(double start, double end) {
    return end - start > 0 && end <= maxSeriesTemperature;
}

double temperatureStep(double start, double end) {
    // nearbyint rounds in the current mode, which the program leaves at the default: to nearest, ties
    // to even.
    return std::nearbyint((end - start) / 10.0 * 100.0) / 100.0;
}

void runTemperatureSeries(EngineState& engine, VariationRecord& record, double start, double end) {
    record.rangeStart = start;
    record.rangeEnd = end;
    engine.water.tEval = units::celsiusToKelvin(start);
    const double step = temperatureStep(start, end);
    for (ResultSlot& row : record.rows) {
        runEngine(engine, record.inputMethod);
        row = engine.results[1];
        engine.water.tEval += step;
    }
}

} // namespace velmora
