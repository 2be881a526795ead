#pragma once

#include "windows/TMDIChild.h"
#include "windows/WaterWindowData.h"

namespace velmora {

/// The water-analysis window: one evaluated water, the analysis as entered, its three states (at tb, at
/// the saturation pH, after calcite equilibrium) and the verdict on calcite. It works on its own copy of
/// the water from its creation on, and is the source of every further calculation.
class TWasserF : public TMDIChild {
    Q_OBJECT
public:
    static constexpr const char16_t* kind = u"Wasserfenster";
    static constexpr const char16_t* extension = u".was";

    /// A window for `data`, with the header the dialog prepared.
    TWasserF(MdiHost& host, const WaterWindowData& data, const AnalysisHeader& header,
             QWidget* parent = nullptr);

    const WaterWindowData& data() const { return m_data; }

    bool LoadFile(const QString& path) override;
    void SaveFile(const QString& name) override;
    void LoadWaterState(WaterState& water) const override;

protected:
    std::optional<QString> markerText(int number) const override;

private:
    WaterWindowData m_data;
};

} // namespace velmora
