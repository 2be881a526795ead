#include "variations/VariationMarkers.h"

#include "common/NumberText.h"
#include "common/Units.h"
#include "windows/InputMarkers.h"

namespace velmora {

std::optional<VariationMarker> variationMarker(const QString& cellText) {
    if (cellText.size() < 5 || cellText[0] != u'*' ||
        (cellText[4] != u'*' && (cellText.size() < 6 || cellText[5] != u'*')))
        return std::nullopt;
    const std::optional<int> number = readInteger(cellText);
    if (!number)
        return std::nullopt;
    return VariationMarker{*number, cellText[4]};
}

std::optional<QString> rowMarkerText(const VariationRecord& record, const VariationMarker& marker) {
    const int row = marker.selector.unicode() - u'a';
    if (marker.number < 40 || marker.number > 71 || row < 0 || row >= int(VariationRecord::rowCount))
        return std::nullopt;
    const ResultSlot& slot = record.rows[std::size_t(row)];
    const int item = marker.number - 40;
    return formatNumber(item == 31 ? units::kelvinToCelsius(slot[slot::tEval]) : slotMarkerValue(slot, item));
}

} // namespace velmora
