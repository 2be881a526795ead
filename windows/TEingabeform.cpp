#include "windows/TEingabeform.h"

#include "common/DialogSeam.h"
#include "common/NumberText.h"
#include "common/NumericKeyFilter.h"
#include "common/Units.h"
#include "engine/AnalysisInput.h"
#include "engine/Engine.h"
#include "engine/EngineError.h"
#include "windows/AnalysisForm.h"
#include "windows/CalculationHost.h"
#include "windows/HeaderEdits.h"
#include "windows/TWasserF.h"
#include "windows/UniqueTitle.h"
#include "windows/WaterSource.h"

#include <QDate>
#include <QKeyEvent>

namespace velmora {

namespace {

using units::celsiusToKelvin;
using units::kelvinToCelsius;
using units::molToMmol;

void showWithLabels(QWidget* dialog, QLineEdit* edit, bool visible) {
    edit->setVisible(visible);
    for (const QString& prefix : {QStringLiteral("l"), QStringLiteral("u")})
        if (auto* label = dialog->findChild<QLabel*>(prefix + edit->objectName()))
            label->setVisible(visible);
}

} // namespace

TEingabeform::TEingabeform(CalculationHost& host, EngineState& engine, QWidget* parent)
    : QDialog(parent), m_host(host), m_engine(engine) {
    m_ui.setupUi(this);
    m_amounts = {m_ui.cCa, m_ui.cMg, m_ui.cNa, m_ui.cK, m_ui.cSO4, m_ui.cNO3, m_ui.cCl};
    m_masses = {m_ui.rCa, m_ui.rMg, m_ui.rNa, m_ui.rK, m_ui.rSO4, m_ui.rNO3, m_ui.rCl};
    for (int i = 0; i < int(inputMethods.size()); ++i)
        m_methods.addButton(findChild<QRadioButton*>(QStringLiteral("RadioGroup1Item%1").arg(i)), i);
    const AnalysisHeader defaults = defaultAnalysisHeader();
    m_ui.Analyse->setText(defaults.name());
    m_ui.Bearbeiter->setText(defaults.text(AnalysisHeader::Editor));

    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        const bool isText = edit == m_ui.Analyse || edit == m_ui.Bearbeiter || edit == m_ui.Anmerkung1 ||
                            edit == m_ui.Anmerkung2 || edit->parent() == m_ui.DateTimePicker1;
        if (edit == m_ui.SIe)
            NumericKeyFilter::install(edit, NumericKeyFilter::Mode::DecimalWithMinus);
        else if (!isText)
            NumericKeyFilter::install(edit);
    }
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);

    connect(&m_methods, &QButtonGroup::idClicked, this, &TEingabeform::showEditsOfItem);
    connect(m_ui.BitBtn1, &QPushButton::clicked, this, &TEingabeform::BitBtn1Click);
    connect(m_ui.BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connectHelp(m_ui.BitBtn3, m_host, QStringLiteral("eingabe.htm"));
}

int TEingabeform::method() const {
    return std::max(m_methods.checkedId(), 0) + 1;
}

void TEingabeform::selectItem(int item) {
    m_methods.button(std::clamp(item, 0, int(inputMethods.size()) - 1))->setChecked(true);
    showEditsOfItem();
}

void TEingabeform::prepare() {
    selectItem(0);
    const WaterSource* water = m_host.activeWaterSource();
    if (water && !m_host.importPending())
        prefillFrom(*water);
    if (!m_host.importPending())
        setWindowTitle(QStringLiteral("Eingabe der Wasserkenndaten"));
    m_ui.DateTimePicker1->setDate(QDate::currentDate());
    m_ui.Analyse->setFocus();
}

void TEingabeform::prefillFrom(const WaterSource& window) {
    window.LoadWaterState(m_engine.water);
    const WaterState& w = m_engine.water;
    const AnalysisHeader& header = window.analysisHeader();
    m_ui.Analyse->setText(header.text(AnalysisHeader::Name));
    m_ui.Bearbeiter->setText(header.text(AnalysisHeader::Editor));
    m_ui.Anmerkung1->setText(header.text(AnalysisHeader::Remark1));
    m_ui.Anmerkung2->setText(header.text(AnalysisHeader::Remark2));
    // Methods above 7 (the mixing's 9) select the last item, those below 1 the first.
    selectItem(window.inputMethod() - 1);
    m_ui.pHe->setText(formatNumber(w.pHm));
    m_ui.KS43->setText(formatNumber(molToMmol(w.ks43)));
    m_ui.KB82->setText(formatNumber(molToMmol(w.kb82)));
    m_ui.DIC->setText(formatNumber(molToMmol(w.dic)));
    m_ui.mWert->setText(formatNumber(molToMmol(w.mValue)));
    m_ui.tpHe->setText(formatNumber(kelvinToCelsius(w.tPh)));
    m_ui.tKS43->setText(formatNumber(kelvinToCelsius(w.tKs)));
    m_ui.tKB82->setText(formatNumber(kelvinToCelsius(w.tKb)));
    m_ui.tb->setText(formatNumber(kelvinToCelsius(w.tEval)));
    m_ui.k25->setText(formatNumber(w.k25));
    m_ui.SIe->setText(formatNumber(w.siTarget));
    for (std::size_t ion = 0; ion < totalFields.size(); ++ion) {
        const double total = molToMmol(w.*totalFields[ion]);
        m_amounts[ion]->setText(formatNumber(total));
        m_masses[ion]->setText(formatNumber(total * units::molarMasses[ion]));
    }
}

void TEingabeform::showEditsOfItem() {
    // The edits the method reads are the ones it shows.
    for (const AnalysisField& field : analysisFields)
        showWithLabels(this, edit(QString::fromUtf16(field.name)), methodReadsField(method(), field));
}

void TEingabeform::convertIon(int ion, bool fromAmount) {
    QLineEdit* source = fromAmount ? m_amounts[std::size_t(ion)] : m_masses[std::size_t(ion)];
    QLineEdit* partner = fromAmount ? m_masses[std::size_t(ion)] : m_amounts[std::size_t(ion)];
    if (source->text().isEmpty())
        return;
    // A text that cannot be read leaves the partner as it is.
    const std::optional<double> value = readNumber(source->text());
    if (!value)
        return;
    const double mass = units::molarMasses[ion];
    partner->setText(formatNumber(fromAmount ? *value * mass : *value / mass));
}

void TEingabeform::takeImport(const std::vector<std::pair<QString, QString>>& fieldTexts) {
    for (const auto& [name, text] : fieldTexts)
        edit(name)->setText(text);
    // As if the user had left every amount, then every mass.
    for (const bool fromAmount : {true, false})
        for (int ion = 0; ion < int(m_amounts.size()); ++ion)
            convertIon(ion, fromAmount);
}

QLineEdit* TEingabeform::edit(const QString& objectName) const {
    return findChild<QLineEdit*>(objectName);
}

void TEingabeform::BitBtn1Click() {
    const auto warn = [this](const QString& text) {
        dialogs().message(this, DialogSeam::Icon::Warning, QStringLiteral("Velmora"), text);
    };
    // The dialog also checks the mass concentrations it shows beside the amounts, and SI(e).
    for (const QLineEdit* checked : m_masses)
        if (!isValidNumberText(checked->text()))
            return warn(QString::fromUtf16(invalidValuesMessage));
    const std::optional<double> siTarget = readNumber(m_ui.SIe->text());
    if (!isValidNumberText(m_ui.SIe->text()) || !siTarget)
        return warn(QString::fromUtf16(invalidValuesMessage));
    const AnalysisReading reading = readAnalysisTexts(
        [this](const QString& name) { return edit(name)->text(); }, m_ui.Analyse->text(), method());
    if (!reading.input) {
        warn(reading.message);
        if (reading.field == m_ui.Analyse->objectName())
            m_ui.Analyse->setFocus();
        return;
    }
    storeAnalysisInput(m_engine.water, *reading.input, method());
    m_engine.water.siTarget = *siTarget;
    SearchResult& search = m_lastSearch;
    try {
        search = runEngine(m_engine, method());
    } catch (const EngineError&) {
        return warn(QString::fromUtf16(invalidValuesMessage));
    }
    if (!search.converged)
        dialogs().message(
            this, DialogSeam::Icon::Information, QStringLiteral("Velmora"),
            QStringLiteral("Die Berechnung hat die geforderte Genauigkeit nicht erreicht. Das "
                           "Ergebnisfenster zeigt die zuletzt berechneten Näherungswerte; bitte prüfen "
                           "Sie die Eingaben."));

    m_pendingTitle = makeTitleUnique(m_ui.Analyse->text(), m_host.childCaptions());
    m_host.setNewWindowCaption(m_pendingTitle);
    const AnalysisHeader header = headerOfEdits(m_ui);
    m_host.showResultWindow(
        new TWasserF(m_host.windowHost(), WaterRecord(header, WaterWindowData::takeFrom(m_engine))),
        QStringLiteral("NONAME1.was"));
    accept();
}

void TEingabeform::done(int result) {
    m_host.setImportPending(false);
    QDialog::done(result);
}

bool TEingabeform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        for (int ion = 0; ion < int(m_amounts.size()); ++ion) {
            if (watched == m_amounts[std::size_t(ion)])
                convertIon(ion, true);
            else if (watched == m_masses[std::size_t(ion)])
                convertIon(ion, false);
        }
    } else if (event->type() == QEvent::Enter || event->type() == QEvent::FocusIn) {
        if (auto* control = qobject_cast<QWidget*>(watched); control && !control->statusTip().isEmpty())
            m_ui.statusBar->showMessage(control->statusTip());
    } else if (event->type() == QEvent::KeyPress) {
        // The form sees every key first: Enter and the arrows move between the controls.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched != m_ui.BitBtn1 && watched != m_ui.BitBtn2 && watched != m_ui.BitBtn3 &&
            (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down || key == Qt::Key_Right)) {
            focusNextChild();
            return true;
        }
        if (key == Qt::Key_Up || key == Qt::Key_Left) {
            focusPreviousChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace velmora
