#pragma once

#include "treatment/PlantRecords.h"
#include "treatment/TreatmentDialog.h"
#include "ui_TSchnellDaten.h"

namespace velmora {

/// "Schnellentcarbonisierung": a vessel of six sections dimensioned for a flow, a residence time and the
/// water's hydrogencarbonate and calcium, into a rapid-decarbonisation window.
class TSchnellDaten : public TreatmentDialog {
    Q_OBJECT
public:
    TSchnellDaten(CalculationHost& host, EngineState& engine, QWidget* parent = nullptr);

    /// The show step: today's date, and the active water's header, hydrogencarbonate and calcium, or the
    /// dialog's own defaults without a water window.
    void prepare();

protected:
    void okClick() override;

private:
    Ui::TSchnellDaten m_ui;
    RapidDecarbonisationRecord m_record; ///< the working record
};

} // namespace velmora
