#pragma once

#include "windows/RecordWindow.h"
#include "windows/WaterRecord.h"
#include "windows/WaterSource.h"

namespace velmora {

/// The water-analysis window: one evaluated water, the analysis as entered, its three states (at tb, at
/// the saturation pH, after calcite equilibrium) and the verdict on calcite. It works on its own copy of
/// the water from its creation on, and is the source of every further calculation.
class TWasserF : public RecordWindow<WaterRecord>, public WaterSource {
    Q_OBJECT
public:
    explicit TWasserF(MdiHost& host, const WaterRecord& record = {}, QWidget* parent = nullptr);

    // WaterSource
    const AnalysisHeader& analysisHeader() const override { return record().header; }
    int inputMethod() const override { return record().water.method; }
    const WaterWindowData& waterData() const override { return record().water; }
    void LoadWaterState(WaterState& water) const override;
};

} // namespace velmora
