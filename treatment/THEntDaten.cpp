#include "treatment/THEntDaten.h"

#include "common/NumberText.h"
#include "common/NumericKeyFilter.h"
#include "engine/Engine.h"
#include "treatment/PlantForms.h"
#include "treatment/PlantWindows.h"
#include "windows/CalculationHost.h"
#include "windows/FormDialogs.h"
#include "windows/HeaderEdits.h"

namespace velmora {

THEntDaten::THEntDaten(CalculationHost& host, EngineState& engine, QWidget* parent)
    : TreatmentDialog(host, engine, parent) {
    m_ui.setupUi(this);
    for (QLineEdit* edit : {m_ui.Q, m_ui.t, m_ui.hco3in})
        NumericKeyFilter::install(edit, NumericKeyFilter::Mode::DecimalWithMinus);
    connect(m_ui.normal, &QPushButton::clicked, this, &THEntDaten::okClick);
    connect(m_ui.optimiert, &QPushButton::clicked, this, [this] { calculate(true); });
    connectCancelAndHelp(m_ui.abbrechen, m_ui.hilfe, m_ui.hilfedatei);
}

void THEntDaten::prepare() {
    const bool fromWater = showActiveWater(m_ui);
    m_ui.hco3in->setText(fromWater ? formatNumber(m_engine.water.hco3 * 1000.0).trimmed()
                                   : QStringLiteral("3"));
}

void THEntDaten::calculate(bool optimised) {
    const FormResult result = runHDecarbonisationForm(m_record, headerOfEdits(m_ui), m_ui.Q->text(),
                                                      m_ui.t->text(), m_ui.hco3in->text(), optimised);
    if (result.step != FormResult::Step::Done)
        return tell(this, result.message);
    openResultWindow(new THEntcarF(m_host.windowHost(), m_record), m_ui.Analyse->text());
}

} // namespace velmora
