#include "treatment/TEntsauDaten.h"

#include "common/NumericKeyFilter.h"
#include "treatment/DeacidificationForm.h"
#include "windows/FormDialogs.h"
#include "windows/HeaderEdits.h"
#include "windows/RadioGroup.h"

#include <QButtonGroup>

namespace velmora {

namespace {

constexpr int normalInterval = -1; // the track bar's "normal (empfohlen)"

} // namespace

TEntsauDaten::TEntsauDaten(CalculationHost& host, EngineState& engine, QWidget* parent)
    : TreatmentDialog(host, engine, parent) {
    m_ui.setupUi(this);
    m_method = radioGroupOf(m_ui.RadioGroup1);
    connect(m_method, &QButtonGroup::idClicked, this, [this] { m_ui.TrackBar1->setValue(normalInterval); });
    NumericKeyFilter::install(m_ui.SI, NumericKeyFilter::Mode::DecimalWithMinus);
    connectButtons(m_ui.ok, m_ui.abbrechen, m_ui.hilfe, m_ui.hilfedatei);
}

void TEntsauDaten::prepare() {
    showActiveWater(m_ui);
    m_ui.warnlabel->hide();
    m_ui.TrackBar1->setValue(normalInterval);
}

void TEntsauDaten::okClick() {
    AnalysisHeader header = headerOfEdits(m_ui, QString());
    const FormResult result = runDeacidificationForm(m_engine, *m_source, header, m_ui.SI->text(),
                                                     DeacidificationMethod(m_method->checkedId()),
                                                     m_ui.TrackBar1->value(), confirmationOver(this));
    if (result.step == FormResult::Step::NotConverged)
        m_ui.warnlabel->show();
    concludeWithWater(header, result);
}

} // namespace velmora
