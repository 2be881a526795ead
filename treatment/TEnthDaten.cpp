#include "treatment/TEnthDaten.h"

#include "common/NumberText.h"
#include "common/NumericKeyFilter.h"
#include "engine/Engine.h"
#include "treatment/PlantForms.h"
#include "treatment/PlantWindows.h"
#include "windows/CalculationHost.h"
#include "windows/FormDialogs.h"
#include "windows/HeaderEdits.h"

namespace velmora {

TEnthDaten::TEnthDaten(CalculationHost& host, EngineState& engine, QWidget* parent)
    : TreatmentDialog(host, engine, parent) {
    m_ui.setupUi(this);
    for (QLineEdit* edit : {m_ui.Q, m_ui.t, m_ui.rest, m_ui.CaMg, m_ui.Nain})
        NumericKeyFilter::install(edit, NumericKeyFilter::Mode::DecimalWithMinus);
    connect(m_ui.optimiert, &QPushButton::clicked, this, &TEnthDaten::okClick);
    connectCancelAndHelp(m_ui.abbrechen, m_ui.hilfe, m_ui.hilfedatei);
}

void TEnthDaten::prepare() {
    const WaterState& w = m_engine.water;
    const bool fromWater = showActiveWater(m_ui);
    m_ui.CaMg->setText(fromWater ? formatNumber((w.caFree + w.mgFree) * 2000.0).trimmed()
                                 : QStringLiteral("7"));
    m_ui.Nain->setText(fromWater ? formatNumber(w.naFree * 1000.0).trimmed() : QStringLiteral("2"));
}

void TEnthDaten::okClick() {
    const FormResult result = runSofteningForm(
        m_record, headerOfEdits(m_ui),
        {m_ui.Q->text(), m_ui.t->text(), m_ui.rest->text(), m_ui.CaMg->text(), m_ui.Nain->text()});
    if (result.step != FormResult::Step::Done)
        return tell(this, result.message);
    openResultWindow(new TEnthF(m_host.windowHost(), m_record), m_ui.Analyse->text());
}

} // namespace velmora
