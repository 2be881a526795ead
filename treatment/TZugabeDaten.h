#pragma once

#include "treatment/TreatmentDialog.h"
#include "ui_TZugabeDaten.h"

class QButtonGroup;

namespace velmora {

/// "Zugabe Säure/Lauge": an acid, a base or carbon dioxide dosed into the active water, to a wanted pH
/// or by amount, into a new water window.
class TZugabeDaten : public TreatmentDialog {
    Q_OBJECT
public:
    TZugabeDaten(CalculationHost& host, EngineState& engine, QWidget* parent = nullptr);

    /// The show step: the active water into the engine, today's date and the water's header.
    void prepare();

protected:
    void okClick() override;

private:
    Ui::TZugabeDaten m_ui;
    QButtonGroup* m_chemical1;
    QButtonGroup* m_chemical2;
};

} // namespace velmora
