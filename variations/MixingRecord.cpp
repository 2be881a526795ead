#include "variations/MixingRecord.h"

#include "common/FixedRecord.h"
#include "common/NumberText.h"
#include "variations/VariationMarkers.h"
#include "windows/InputMarkers.h"
#include "windows/WindowType.h"

#include <QLocale>

namespace velmora {

const WindowType& MixingRecord::type() const {
    return windowTypeOf(WindowKind::Mixing);
}

QByteArray MixingRecord::encode() const {
    return encodeRecord(records.mixture, VariationRecord::size) +
           encodeRecord(records.waterA, VariationRecord::size) +
           encodeRecord(records.waterB, VariationRecord::size);
}

void MixingRecord::decode(QByteArrayView bytes) {
    constexpr qsizetype size = VariationRecord::size;
    if (bytes.size() < 3 * size)
        throw FileError(QStringLiteral("Die Datei ist kürzer als drei Datensätze (%1 von %2 Bytes).")
                            .arg(bytes.size())
                            .arg(3 * size));
    records = {decodeRecord<VariationRecord>(bytes, size),
               decodeRecord<VariationRecord>(bytes.sliced(size), size),
               decodeRecord<VariationRecord>(bytes.sliced(2 * size), size)};
}

std::optional<QString> MixingRecord::markerText(const QString& cellText) const {
    const std::optional<VariationMarker> marker = variationMarker(cellText);
    if (!marker)
        return std::nullopt;
    const int number = marker->number;
    if (number >= 1 && number <= 5)
        return records.mixture.header.text(AnalysisHeader::Text(number - 1));
    if (number >= 6 && number <= 31)
        return inputMarkerText(marker->selector == u'a' ? records.waterA.inputs : records.waterB.inputs,
                               number);
    if (number == 72 || number == 73) {
        const int row = marker->selector.unicode() - u'a';
        if (row < 0 || row >= int(VariationRecord::rowCount))
            return std::nullopt;
        const VariationRecord& mixture = records.mixture;
        const double shareA = mixture.rangeStart + (mixture.rangeEnd - mixture.rangeStart) / 10.0 * row;
        return formatPattern(number == 72 ? shareA : 100.0 - shareA, u"0.0", QLocale());
    }
    return rowMarkerText(records.mixture, *marker);
}

} // namespace velmora
