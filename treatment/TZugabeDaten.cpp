#include "treatment/TZugabeDaten.h"

#include "common/NumericKeyFilter.h"
#include "treatment/DosingForm.h"
#include "windows/HeaderEdits.h"
#include "windows/RadioGroup.h"

#include <QButtonGroup>

namespace velmora {

TZugabeDaten::TZugabeDaten(CalculationHost& host, EngineState& engine, QWidget* parent)
    : TreatmentDialog(host, engine, parent) {
    m_ui.setupUi(this);
    m_chemical1 = radioGroupOf(m_ui.RadioGroup1);
    m_chemical2 = radioGroupOf(m_ui.RadioGroup2);
    for (QLineEdit* edit : {m_ui.cxin1, m_ui.phin, m_ui.cxin2, m_ui.menge})
        NumericKeyFilter::install(edit, NumericKeyFilter::Mode::DecimalWithMinus);
    connectButtons(m_ui.ok, m_ui.abbrechen, m_ui.hilfe, m_ui.hilfedatei);
}

void TZugabeDaten::prepare() {
    showActiveWater(m_ui);
}

void TZugabeDaten::okClick() {
    const DosingInputs inputs{m_ui.PageControl1->currentIndex(),
                              m_ui.cxin1->text(),
                              Chemical(m_chemical1->checkedId()),
                              m_ui.phin->text(),
                              m_ui.cxin2->text(),
                              Chemical(m_chemical2->checkedId()),
                              m_ui.menge->text()};
    AnalysisHeader header = headerOfEdits(m_ui, QString());
    const FormResult result = runDosingForm(m_engine, *m_source, header, inputs);
    concludeWithWater(header, result);
}

} // namespace velmora
