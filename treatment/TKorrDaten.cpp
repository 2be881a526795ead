#include "treatment/TKorrDaten.h"

#include "common/NumericKeyFilter.h"
#include "treatment/CorrosionForm.h"
#include "treatment/TKorrosionF.h"
#include "windows/CalculationHost.h"
#include "windows/FormDialogs.h"
#include "windows/HeaderEdits.h"

namespace velmora {

TKorrDaten::TKorrDaten(CalculationHost& host, EngineState& engine, QWidget* parent)
    : TreatmentDialog(host, engine, parent) {
    m_ui.setupUi(this);
    NumericKeyFilter::install(m_ui.o2, NumericKeyFilter::Mode::DecimalWithMinus);
    connectButtons(m_ui.ok, m_ui.abbrechen, m_ui.hilfe, m_ui.hilfedatei);
}

void TKorrDaten::prepare() {
    showActiveWater(m_ui);
}

void TKorrDaten::okClick() {
    const FormResult result = runCorrosionForm(m_record, *m_source, headerOfEdits(m_ui), m_ui.o2->text());
    if (result.step != FormResult::Step::Done)
        return tell(this, result.message);
    openResultWindow(new TKorrosionF(m_host.windowHost(), m_record), m_ui.Analyse->text());
}

} // namespace velmora
