#include "treatment/TreatmentDialog.h"

#include "engine/Engine.h"
#include "windows/CalculationHost.h"
#include "windows/FormDialogs.h"
#include "windows/NewWaterWindow.h"
#include "windows/WaterSource.h"

#include <QLineEdit>
#include <QPushButton>

namespace velmora {

TreatmentDialog::TreatmentDialog(CalculationHost& host, EngineState& engine, QWidget* parent)
    : QDialog(parent), m_host(host), m_engine(engine) {}

const AnalysisHeader* TreatmentDialog::takeActiveWater() {
    const WaterSource* water = m_host.activeWaterSource();
    if (!water) {
        m_source.reset();
        return nullptr;
    }
    water->LoadWaterState(m_engine.water);
    m_source = water->waterData();
    return &water->analysisHeader();
}

void TreatmentDialog::connectButtons(QPushButton* ok, QPushButton* cancel, QPushButton* help,
                                     const QLineEdit* helpPage) {
    connect(ok, &QPushButton::clicked, this, [this] {
        if (m_source)
            okClick();
    });
    connectCancelAndHelp(cancel, help, helpPage);
}

void TreatmentDialog::connectCancelAndHelp(QPushButton* cancel, QPushButton* help,
                                           const QLineEdit* helpPage) {
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connectHelp(help, m_host, helpPage->text());
}

void TreatmentDialog::openResultWindow(TMDIChild* window, const QString& name) {
    showTitledResultWindow(m_host, window, name);
    accept();
}

void TreatmentDialog::concludeWithWater(const AnalysisHeader& header, const FormResult& result) {
    switch (result.step) {
    case FormResult::Step::Done:
        showNewWaterWindow(m_host, m_engine, header);
        accept();
        return;
    case FormResult::Step::Abandoned:
        tell(this, result.message);
        reject();
        return;
    case FormResult::Step::Told:
        tell(this, result.message);
        return;
    case FormResult::Step::Ignored:
    case FormResult::Step::NotConverged:
        return;
    }
}

} // namespace velmora
