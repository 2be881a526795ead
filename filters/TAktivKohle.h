#pragma once

#include "filters/FilterDialog.h"
#include "filters/FilterRecords.h"
#include "ui_TAktivKohle.h"

namespace velmora {

/// "Aktivkohle": an activated-carbon filter for one of three purposes, dimensioned from the flow, the
/// specific load and the filter velocity, split over several filters, circular or rectangular.
class TAktivKohle : public FilterDialog {
    Q_OBJECT
public:
    explicit TAktivKohle(CalculationHost& host, QWidget* parent = nullptr);

    /// The show step: the flow and every result back to "0"; an active activated-carbon window hands its
    /// design back.
    void prepare();

private:
    int purpose() const { return m_ui.TabControl1->currentIndex(); }
    /// The lists, presets and height recommendation of the purpose chosen.
    void applyPresets();
    /// "Berechnen": needs a flow, then calculates.
    bool calculateWithFlow();
    bool calculate();
    /// The flow split over the number of filters chosen, calculated again when there is a flow.
    void splitFlow();
    void checkHeight();
    /// The question of a circular filter wider than recommended; false when the user stops "OK".
    bool checkDiameter(double roundedDiameter);
    /// The flow when it converts and is above 0.
    bool hasFlow() const;
    void takeReport(const CarbonFilterRecord& report);
    void okClick();

    Ui::TAktivKohle m_ui;
    CarbonFilterRecord m_record; ///< the working record
    bool m_okMode = false;
};

} // namespace velmora
