#pragma once

#include "variations/VariationRecord.h"
#include "windows/ResultRecord.h"

namespace velmora {

/// What a temperature window shows and saves: one water evaluated at eleven temperatures. Its data file
/// ".wat" holds the one record, 4136 bytes.
class TemperatureRecord final : public ResultRecord {
public:
    TemperatureRecord() = default;
    explicit TemperatureRecord(const VariationRecord& series) : series(series) {}

    VariationRecord series;

    const WindowType& type() const override;
    QByteArray encode() const override;
    void decode(QByteArrayView bytes) override;
    /// Numbers 6 to 31 show the water's inputs whatever the selector; 40 to 71 take a row selector "a" to
    /// "k", and 71 is the row's tb.
    std::optional<QString> markerText(const QString& cellText) const override;
};

} // namespace velmora
