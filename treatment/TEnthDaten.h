#pragma once

#include "treatment/PlantRecords.h"
#include "treatment/TreatmentDialog.h"
#include "ui_TEnthDaten.h"

namespace velmora {

/// "Enthärtung": an ion-exchange column for softening, into a softening window.
class TEnthDaten : public TreatmentDialog {
    Q_OBJECT
public:
    TEnthDaten(CalculationHost& host, EngineState& engine, QWidget* parent = nullptr);

    /// The show step: today's date, and the active water's header, hardness and sodium, or the dialog's
    /// own defaults without a water window.
    void prepare();

protected:
    void okClick() override;

private:
    Ui::TEnthDaten m_ui;
    SofteningRecord m_record; ///< the working record
};

} // namespace velmora
