#include "treatment/TSchnellDaten.h"

#include "common/NumberText.h"
#include "common/NumericKeyFilter.h"
#include "engine/Engine.h"
#include "treatment/PlantForms.h"
#include "treatment/PlantWindows.h"
#include "windows/CalculationHost.h"
#include "windows/FormDialogs.h"
#include "windows/HeaderEdits.h"

namespace velmora {

TSchnellDaten::TSchnellDaten(CalculationHost& host, EngineState& engine, QWidget* parent)
    : TreatmentDialog(host, engine, parent) {
    m_ui.setupUi(this);
    for (QLineEdit* edit : {m_ui.Q, m_ui.hco3in, m_ui.cain})
        NumericKeyFilter::install(edit, NumericKeyFilter::Mode::DecimalWithMinus);
    NumericKeyFilter::install(m_ui.t, NumericKeyFilter::Mode::WholeNumber);
    connect(m_ui.ok, &QPushButton::clicked, this, &TSchnellDaten::okClick);
    connectCancelAndHelp(m_ui.abbrechen, m_ui.hilfe, m_ui.hilfedatei);
}

void TSchnellDaten::prepare() {
    const WaterState& w = m_engine.water;
    const bool fromWater = showActiveWater(m_ui);
    m_ui.cain->setText(fromWater ? formatNumber(2.0 * w.caFree * 1000.0).trimmed() : QStringLiteral("3"));
    m_ui.hco3in->setText(fromWater ? formatNumber(w.hco3 * 1000.0).trimmed() : QStringLiteral("2"));
}

void TSchnellDaten::okClick() {
    const FormResult result =
        runRapidDecarbonisationForm(m_record, headerOfEdits(m_ui),
                                    {m_ui.Q->text(), m_ui.t->text(), m_ui.hco3in->text(), m_ui.cain->text()});
    if (result.step != FormResult::Step::Done)
        return tell(this, result.message);
    // The water the design started from goes with it, so that its file brings that water back.
    m_record.water = m_source ? WaterInputs::of(*m_source) : WaterInputs();
    openResultWindow(new TSchnellF(m_host.windowHost(), m_record), m_ui.Analyse->text());
}

} // namespace velmora
