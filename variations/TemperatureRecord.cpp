#include "variations/TemperatureRecord.h"

#include "common/FixedRecord.h"
#include "variations/VariationMarkers.h"
#include "windows/InputMarkers.h"
#include "windows/WindowType.h"

namespace velmora {

const WindowType& TemperatureRecord::type() const {
    return windowTypeOf(WindowKind::Temperature);
}

QByteArray TemperatureRecord::encode() const {
    return encodeRecord(series, VariationRecord::size);
}

void TemperatureRecord::decode(QByteArrayView bytes) {
    series = decodeRecord<VariationRecord>(bytes, VariationRecord::size);
}

std::optional<QString> TemperatureRecord::markerText(const QString& cellText) const {
    const std::optional<VariationMarker> marker = variationMarker(cellText);
    if (!marker)
        return std::nullopt;
    const int number = marker->number;
    if (number >= 1 && number <= 5)
        return series.header.text(AnalysisHeader::Text(number - 1));
    if (number >= 6 && number <= 31)
        return inputMarkerText(series.inputs, number);
    return rowMarkerText(series, *marker);
}

} // namespace velmora
