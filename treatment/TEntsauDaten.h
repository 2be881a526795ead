#pragma once

#include "treatment/TreatmentDialog.h"
#include "ui_TEntsauDaten.h"

class QButtonGroup;

namespace velmora {

/// "Entsäuerung": the active water's saturation index raised to a target by one of six methods, into a
/// new water window; an iteration that does not converge asks for another interval.
class TEntsauDaten : public TreatmentDialog {
    Q_OBJECT
public:
    TEntsauDaten(CalculationHost& host, EngineState& engine, QWidget* parent = nullptr);

    /// The show step: the active water into the engine, today's date, the water's header, the warning
    /// hidden and the interval back to "normal".
    void prepare();

protected:
    void okClick() override;

private:
    Ui::TEntsauDaten m_ui;
    QButtonGroup* m_method;
};

} // namespace velmora
