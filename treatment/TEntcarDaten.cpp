#include "treatment/TEntcarDaten.h"

#include "common/NumericKeyFilter.h"
#include "treatment/DecarbonisationForm.h"
#include "windows/FormDialogs.h"
#include "windows/HeaderEdits.h"
#include "windows/RadioGroup.h"

#include <QButtonGroup>

namespace velmora {

TEntcarDaten::TEntcarDaten(CalculationHost& host, EngineState& engine, QWidget* parent)
    : TreatmentDialog(host, engine, parent) {
    m_ui.setupUi(this);
    m_agent = radioGroupOf(m_ui.RadioGroup1);
    NumericKeyFilter::install(m_ui.RHin, NumericKeyFilter::Mode::DecimalWithMinus);
    connectButtons(m_ui.ok, m_ui.abbrechen, m_ui.hilfe, m_ui.hilfedatei);
}

void TEntcarDaten::prepare() {
    if (showActiveWater(m_ui))
        m_ui.hco3label->setText(hydrogencarbonateText(*m_source));
}

void TEntcarDaten::okClick() {
    AnalysisHeader header = headerOfEdits(m_ui, QString());
    const FormResult result =
        runDecarbonisationForm(m_engine, *m_source, header, m_ui.RHin->text(),
                               DecarbonisationAgent(m_agent->checkedId()), confirmationOver(this));
    concludeWithWater(header, result);
}

} // namespace velmora
