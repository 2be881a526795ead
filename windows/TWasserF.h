#pragma once

#include "windows/TMDIChild.h"
#include "windows/WaterRecord.h"
#include "windows/WaterSource.h"

namespace velmora {

/// The water-analysis window: one evaluated water, the analysis as entered, its three states (at tb, at
/// the saturation pH, after calcite equilibrium) and the verdict on calcite. It works on its own copy of
/// the water from its creation on, and is the source of every further calculation.
class TWasserF : public TMDIChild, public WaterSource {
    Q_OBJECT
public:
    explicit TWasserF(MdiHost& host, const WaterRecord& record = {}, QWidget* parent = nullptr);

    const WaterRecord& record() const override { return m_record; }

    // WaterSource
    const AnalysisHeader& analysisHeader() const override { return m_record.header; }
    int inputMethod() const override { return m_record.water.method; }
    void LoadWaterState(WaterState& water) const override;

protected:
    WaterRecord& mutableRecord() override { return m_record; }

private:
    WaterRecord m_record;
};

} // namespace velmora
