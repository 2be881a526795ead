#pragma once

#include "windows/FormMessage.h"
#include "variations/VariationRecord.h"

namespace velmora {

struct EngineState;

inline constexpr const char16_t* temperatureRangeMessage =
    u"Bitte geben Sie einen gültigen Temperaturbereich an";

/// "OK" of "Berechnung der Temperaturabhängigkeit" apart from its widgets: checks the name and the range
/// texts (°C), then writes the header and the series into `record`, whose inputs and input method the
/// source water has set. The dialog and the batch tool both run on it. Told instead of a series, the
/// record is unchanged or, after an engine fault, partly written.
FormResult runTemperatureForm(EngineState& engine, VariationRecord& record, const AnalysisHeader& header,
                              const QString& start, const QString& end);

} // namespace velmora
