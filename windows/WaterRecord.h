#pragma once

#include "engine/AnalysisHeader.h"
#include "windows/ResultRecord.h"
#include "windows/WaterWindowData.h"

namespace velmora {

/// What a water-analysis window shows and saves: the header of the analysis and its evaluated water.
/// Its data file ".was" holds one WaterFileRecord of 1584 bytes.
class WaterRecord final : public ResultRecord {
public:
    WaterRecord() = default;
    WaterRecord(const AnalysisHeader& header, const WaterWindowData& water) : header(header), water(water) {}

    AnalysisHeader header;
    WaterWindowData water;

    const WindowType& type() const override;
    /// The method is written as 1 where it is outside 1 to 7; the mass concentrations are computed.
    QByteArray encode() const override;
    /// A method outside 1 to 7 is read as 1; the mass concentrations are not read.
    void decode(QByteArrayView bytes) override;
    std::optional<QString> markerText(const QString& cellText) const override;

    bool operator==(const WaterRecord& other) const { return header == other.header && water == other.water; }

    /// The WaterFileRecord, field by field.
    template <class Fields, class Self>
    static void fields(Fields& f, Self& r);
};

/// The text marker `number` of the water window's template shows; empty for a number it does not use.
std::optional<QString> waterMarkerText(const WaterRecord& record, int number);

} // namespace velmora
