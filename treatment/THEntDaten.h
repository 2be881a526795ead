#pragma once

#include "treatment/PlantRecords.h"
#include "treatment/TreatmentDialog.h"
#include "ui_THEntDaten.h"

namespace velmora {

/// "Entcarbonisierung durch Ionenaustausch": an ion-exchange column for H-decarbonisation, designed as
/// given ("normale Berechnung") or optimised, into an H-decarbonisation window.
class THEntDaten : public TreatmentDialog {
    Q_OBJECT
public:
    THEntDaten(CalculationHost& host, EngineState& engine, QWidget* parent = nullptr);

    /// The show step: today's date, and the active water's header and hydrogencarbonate, or the dialog's
    /// own defaults without a water window.
    void prepare();

protected:
    /// "normale Berechnung".
    void okClick() override { calculate(false); }

private:
    void calculate(bool optimised);

    Ui::THEntDaten m_ui;
    HDecarbonisationRecord m_record; ///< the working record
};

} // namespace velmora
