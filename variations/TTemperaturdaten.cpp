#include "variations/TTemperaturdaten.h"

#include "common/DialogSeam.h"
#include "common/NumericKeyFilter.h"
#include "engine/Engine.h"
#include "variations/TemperatureForm.h"
#include "variations/TTemperaturF.h"
#include "windows/CalculationHost.h"
#include "windows/FormDialogs.h"
#include "windows/HeaderEdits.h"
#include "windows/WaterSource.h"

#include <QDate>

namespace velmora {

TTemperaturdaten::TTemperaturdaten(CalculationHost& host, EngineState& engine, QWidget* parent)
    : QDialog(parent), m_host(host), m_engine(engine) {
    m_ui.setupUi(this);
    NumericKeyFilter::install(m_ui.Tstart, NumericKeyFilter::Mode::WholeNumber);
    NumericKeyFilter::install(m_ui.Tend, NumericKeyFilter::Mode::WholeNumber);
    connect(m_ui.ok, &QPushButton::clicked, this, &TTemperaturdaten::okClick);
    connect(m_ui.abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connectHelp(m_ui.hilfe, m_host, m_ui.hilfedatei->text());
}

void TTemperaturdaten::takeWater(const WaterSource& water) {
    water.LoadWaterState(m_engine.water);
    m_record.takeInputsOf(water.waterData());
}

void TTemperaturdaten::prepare() {
    m_ui.DateTimePicker1->setDate(QDate::currentDate());
    if (const WaterSource* water = m_host.activeWaterSource())
        showHeaderInEdits(m_ui, water->analysisHeader());
    m_ui.Analyse->setFocus();
}

void TTemperaturdaten::okClick() {
    const AnalysisHeader header = headerOfEdits(m_ui);
    const FormResult result =
        runTemperatureForm(m_engine, m_record, header, m_ui.Tstart->text(), m_ui.Tend->text());
    if (result.step != FormResult::Step::Done)
        return tell(this, result.message);
    showTitledResultWindow(m_host, new TTemperaturF(m_host.windowHost(), TemperatureRecord(m_record)),
                           m_ui.Analyse->text());
    accept();
}

} // namespace velmora
