#pragma once

#include "engine/Engine.h"
#include "SampleWaters.h"
#include "variations/Mixing.h"
#include "variations/TemperatureSeries.h"

namespace velmora::test {

inline const AnalysisHeader seriesHeader(QStringLiteral("Mischung Süd/Fluss"), QStringLiteral("Jörg Maß"),
                                         QStringLiteral("09.12.26"), QStringLiteral("Ganglinie"),
                                         QStringLiteral("Mischen von Brunnen Süd und Fluss"));

/// The groundwater and the surface water mixed from 0 to 100 % of the groundwater.
inline MixingRecords mixingSeries(int start = 0, int end = 100) {
    EngineState engine;
    MixingRecords records;
    records.mixture.header = seriesHeader;
    mixSeries(engine, records, evaluatedWater(1, 10), surfaceWater(20), start, end);
    return records;
}

/// The groundwater, evaluated by `method`, from `start` to `end` °C.
inline VariationRecord temperatureSeries(double start = 0, double end = 70, int method = 1, double tb = 10) {
    EngineState engine;
    const WaterWindowData water = evaluatedWater(method, tb);
    water.loadInto(engine.water);
    VariationRecord record;
    record.takeInputsOf(water);
    record.header = seriesHeader;
    runTemperatureSeries(engine, record, start, end);
    return record;
}

} // namespace velmora::test
