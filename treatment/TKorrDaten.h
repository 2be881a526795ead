#pragma once

#include "treatment/CorrosionRecord.h"
#include "treatment/TreatmentDialog.h"
#include "ui_TKorrDaten.h"

namespace velmora {

/// "Korrosionsbetrachtung": the active water and the oxygen entered, judged in a corrosion window.
class TKorrDaten : public TreatmentDialog {
    Q_OBJECT
public:
    TKorrDaten(CalculationHost& host, EngineState& engine, QWidget* parent = nullptr);

    /// The show step: the active water kept, today's date and the water's header.
    void prepare();

    const CorrosionRecord& corrosionRecord() const { return m_record; }

protected:
    void okClick() override;

private:
    Ui::TKorrDaten m_ui;
    CorrosionRecord m_record; ///< the working record
};

} // namespace velmora
