#pragma once

#include "treatment/TreatmentDialog.h"
#include "ui_TEntcarDaten.h"

class QButtonGroup;

namespace velmora {

/// "Entcarbonisierung": the active water's hydrogencarbonate lowered to a residual with lime or acid,
/// into a new water window.
class TEntcarDaten : public TreatmentDialog {
    Q_OBJECT
public:
    TEntcarDaten(CalculationHost& host, EngineState& engine, QWidget* parent = nullptr);

    /// The show step: the active water into the engine, today's date, its c(HCO3-) and its header.
    void prepare();

protected:
    void okClick() override;

private:
    Ui::TEntcarDaten m_ui;
    QButtonGroup* m_agent;
};

} // namespace velmora
