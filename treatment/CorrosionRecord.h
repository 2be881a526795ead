#pragma once

#include "engine/AnalysisHeader.h"
#include "windows/InputMarkers.h"
#include "windows/ResultRecord.h"

namespace velmora {

struct WaterWindowData;

/// What a corrosion window shows and saves: the water's data in the units the sheet shows (mmol/l, °C,
/// mg/l) and the oxygen the user entered. Its data file ".wak" holds the one record of 4120 bytes.
class CorrosionRecord final : public ResultRecord {
public:
    AnalysisHeader header;
    ShownInputs inputs;
    double pHAtTb = 0;  ///< pH of the water at tb
    double caFree = 0;  ///< free c(Ca++) at tb, mmol/l
    double so4Free = 0; ///< free c(SO4--) at tb, mmol/l
    double hco3 = 0;    ///< c(HCO3-) at tb, mmol/l
    double o2Mass = 0;  ///< rho(O2), mg/l

    /// The water window's hand-over: its inputs, its oxygen and the free ions of its first state.
    void takeWaterOf(const WaterWindowData& water);

    const WindowType& type() const override;
    QByteArray encode() const override;
    void decode(QByteArrayView bytes) override;
    /// 1 to 5 the header, 6 to 31 the inputs, 32 to 63 the assessment texts, 136 rho(O2).
    std::optional<QString> markerText(const QString& cellText) const override;

    bool operator==(const CorrosionRecord& other) const {
        return header == other.header && inputs == other.inputs && pHAtTb == other.pHAtTb &&
               caFree == other.caFree && so4Free == other.so4Free && hco3 == other.hco3 &&
               o2Mass == other.o2Mass;
    }

    template <class Fields, class Self>
    static void fields(Fields& f, Self& r);
};

} // namespace velmora
