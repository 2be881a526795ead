#include "variations/TemperatureForm.h"

#include "common/NumberText.h"
#include "engine/EngineError.h"
#include "variations/TemperatureSeries.h"
#include "windows/AnalysisForm.h"

namespace velmora {

std::optional<FormMessage> runTemperatureForm(EngineState& engine, VariationRecord& record,
                                              const AnalysisHeader& header, const QString& start,
                                              const QString& end) {
    if (header.name().trimmed().isEmpty())
        return FormMessage{QString::fromUtf16(missingNameMessage), DialogSeam::Icon::Warning, true};
    const FormMessage rangeError{QString::fromUtf16(temperatureRangeMessage), DialogSeam::Icon::Error};
    if (start.trimmed().isEmpty() || end.trimmed().isEmpty())
        return rangeError;
    const std::optional<double> s = readNumber(start);
    const std::optional<double> e = readNumber(end);
    // A text the tolerant reading cannot make a number of fails as the conversion would.
    if (!s || !e)
        return FormMessage{QString::fromUtf16(invalidValuesMessage)};
    if (!isTemperatureRange(*s, *e))
        return rangeError;
    record.header = header;
    try {
        runTemperatureSeries(engine, record, *s, *e);
    } catch (const EngineError&) {
        return FormMessage{QString::fromUtf16(invalidValuesMessage)};
    }
    return std::nullopt;
}

} // namespace velmora
