#pragma once

#include "variations/Mixing.h"
#include "windows/ResultRecord.h"

namespace velmora {

/// What a mixing window shows and saves: the three records of its series. Its data file ".wam" holds
/// them one after the other, mixture first, 12408 bytes.
class MixingRecord final : public ResultRecord {
public:
    MixingRecord() = default;
    explicit MixingRecord(const MixingRecords& records) : records(records) {}

    MixingRecords records;

    const WindowType& type() const override;
    QByteArray encode() const override;
    void decode(QByteArrayView bytes) override;
    /// Numbers 6 to 31 take water A with the selector "a", water B with any other; 40 to 73 take a row
    /// selector "a" to "k". 72 is the share of water A in the row, 73 that of water B, both "0.0" with
    /// the locale's decimal separator.
    std::optional<QString> markerText(const QString& cellText) const override;
};

} // namespace velmora
