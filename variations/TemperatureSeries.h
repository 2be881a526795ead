#pragma once

#include "variations/VariationRecord.h"

#include <optional>

namespace velmora {

struct EngineState;

/// The highest end temperature of a series, °C.
inline constexpr double maxSeriesTemperature = 70.0;

/// Whether start and end (°C) make a series: the end above the start and at most 70 °C.
bool isTemperatureRange(double start, double end);

/// The step between two rows: a tenth of the range rounded to 0.01 K, halves to the even neighbour.
double temperatureStep(double start, double end);

/// Evaluates the engine's water, loaded from the source window beforehand, at eleven evaluation
/// temperatures from `start` (°C) on by the step, each with the record's input method, and writes the
/// first slot of each into the record's rows and the range into the record. The water's tb stays at
/// the value after the last step. Throws EngineError as the engine does.
void runTemperatureSeries(EngineState& engine, VariationRecord& record, double start, double end);

} // namespace velmora
