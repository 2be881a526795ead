#include "variations/TemperatureForm.h"

#include "common/NumberText.h"
#include "engine/EngineError.h"
#include "variations/TemperatureSeries.h"
#include "windows/AnalysisForm.h"

namespace velmora {

FormResult runTemperatureForm(EngineState& engine, VariationRecord& record, const AnalysisHeader& header,
                              const QString& start, const QString& end) {
    if (header.name().trimmed().isEmpty())
        return FormResult::told(missingNameFormMessage());
    const FormMessage rangeError{QString::fromUtf16(temperatureRangeMessage), DialogSeam::Icon::Error};
    if (start.trimmed().isEmpty() || end.trimmed().isEmpty())
        return FormResult::told(rangeError);
    const std::optional<double> s = readNumber(start);
    const std::optional<double> e = readNumber(end);
    // A text the tolerant reading cannot make a number of fails as the conversion would.
    if (!s || !e)
        return FormResult::told({QString::fromUtf16(invalidValuesMessage)});
    if (!isTemperatureRange(*s, *e))
        return FormResult::told(rangeError);
    record.header = header;
    try {
        runTemperatureSeries(engine, record, *s, *e);
    } catch (const EngineError&) {
        return FormResult::told({QString::fromUtf16(invalidValuesMessage)});
    }
    return FormResult::done();
}

} // namespace velmora
