#include "filters/TSandfilter.h"

#include "common/NumberText.h"
#include "common/NumericKeyFilter.h"
#include "filters/FilterReports.h"
#include "windows/RadioGroup.h"

#include <QButtonGroup>
#include <QSignalBlocker>

namespace velmora {

TSandfilter::TSandfilter(CalculationHost& host, QWidget* parent) : FilterDialog(host, parent) {
    m_ui.setupUi(this);
    for (int kind = 0; kind < sandKindCount; ++kind)
        m_ui.TabControl1->addTab(sandKindName(kind));
    m_filterType = radioGroupOf(m_ui.FiltertypRG);
    m_layering = radioGroupOf(m_ui.FiltrationsartRG);
    m_ui.LeistungsaufteilungCB->addItems(filterCountItems());
    m_ui.HoeheCB->addItems(sandHeights(false));
    NumericKeyFilter::install(m_ui.VolumenstromE);
    NumericKeyFilter::install(m_ui.HoeheCB);
    NumericKeyFilter::install(m_ui.FiltrationsgeschwindigkeitCB);
    NumericKeyFilter::install(m_ui.LeistungsaufteilungCB, NumericKeyFilter::Mode::WholeNumber);
    prepareLists();

    connect(m_ui.TabControl1, &QTabBar::currentChanged, this, &TSandfilter::prepareLists);
    connect(m_filterType, &QButtonGroup::idClicked, this, &TSandfilter::prepareLists);
    connect(m_layering, &QButtonGroup::idClicked, this, &TSandfilter::layeringClicked);
    connect(m_ui.LeistungsaufteilungCB, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (const QString valid = validFilterCount(text); valid != text)
            return m_ui.LeistungsaufteilungCB->setEditText(valid);
        showShare();
    });
    connect(m_ui.BitBtn2, &QPushButton::clicked, this, [this] {
        m_okMode = false;
        checkAndCalculate();
    });
    connect(m_ui.Button1, &QPushButton::clicked, this, &TSandfilter::okClick);
    connectCloseAndHelp(m_ui.BitBtn1, m_ui.hilfe, m_ui.hilfedatei->text());
}

void TSandfilter::prepare() {
    m_ui.DateTimePicker1->setDate(QDate::currentDate());
    m_ui.BitBtn2->setFocus();
    m_okMode = false;
    prepareLists();
    if (const TSandReport* report = activeReport<TSandReport>())
        takeReport(report->record());
}

void TSandfilter::takeReport(const SandFilterRecord& report) {
    m_ui.TabControl1->setCurrentIndex(report.head.index);
    // Set as a click sets them, so that the lists follow.
    m_filterType->button(report.pressureFilter != 0 ? 1 : 0)->click();
    m_layering->button(report.multiLayer != 0 ? 1 : 0)->click();
    m_ui.VolumenstromE->setText(generalNumber(report.flow));
    m_ui.FiltrationsgeschwindigkeitCB->setEditText(generalNumber(report.velocity));
    m_ui.HoeheCB->setEditText(generalNumber(report.height));
    m_ui.LeistungsaufteilungCB->setEditText(validFilterCount(generalNumber(report.filters)));
    showHeader(m_ui, report.head.header);
    // The report's design again, as "Berechnen" computes it.
    checkAndCalculate();
}

SandChoice TSandfilter::choice() const {
    return {m_ui.TabControl1->currentIndex(), m_filterType->checkedId() == 1, m_layering->checkedId() == 1};
}

void TSandfilter::clearResults() {
    for (QLineEdit* result : {m_ui.FlaecheE, m_ui.GesamthoeheE, m_ui.DurchmesserE, m_ui.DurchmesserRundE}) {
        result->setText(QStringLiteral("0"));
        markRed(result, false);
    }
}

void TSandfilter::prepareLists() {
    const SandChoice c = choice();
    clearResults();
    m_ui.HoeheCB->setCurrentIndex(1);
    m_ui.HoeheCB->setEditText(m_ui.HoeheCB->itemText(1));
    for (QWidget* diameter :
         {static_cast<QWidget*>(m_ui.DurchmesserE), static_cast<QWidget*>(m_ui.lDurchmesserE),
          static_cast<QWidget*>(m_ui.DurchmesserRundE), static_cast<QWidget*>(m_ui.lDurchmesserRundE)}) {
        diameter->setVisible(c.pressure);
        diameter->setEnabled(c.pressure);
    }
    const SandVelocities velocities = sandVelocities(c);
    m_ui.FiltrationsgeschwindigkeitCB->clear();
    m_ui.FiltrationsgeschwindigkeitCB->addItems(velocities.items);
    m_ui.FiltrationsgeschwindigkeitCB->setCurrentIndex(velocities.preset);
    m_ui.FiltrationsgeschwindigkeitCB->setEditText(velocities.items.value(velocities.preset));
}

void TSandfilter::layeringClicked() {
    const bool multiLayer = choice().multiLayer;
    m_ui.MehrschichtfiltrationL->setVisible(multiLayer);
    m_ui.HoeheCB->clear();
    m_ui.HoeheCB->addItems(sandHeights(multiLayer));
    prepareLists(); // presets the second height
}

void TSandfilter::showShare() {
    const int filters = strictInteger(m_ui.LeistungsaufteilungCB->currentText()).value_or(2);
    m_ui.LeistungsaufteilungE->setText(formatPattern(100.0 / (filters - 1), u"##.##") + QStringLiteral(" %"));
}

bool TSandfilter::checkAndCalculate() {
    const QString flow = m_ui.VolumenstromE->text().trimmed();
    if (flow.isEmpty() || flow == u"0") {
        warn(QStringLiteral("Bitte geben Sie einen Volumenstrom ein!"), m_ui.VolumenstromE);
        return false;
    }
    QComboBox* velocityBox = m_ui.FiltrationsgeschwindigkeitCB;
    QComboBox* heightBox = m_ui.HoeheCB;
    for (QComboBox* box : {velocityBox, heightBox})
        if (box->currentText().trimmed().isEmpty()) {
            warn(QStringLiteral("Bitte überprüfen Sie die Eingaben!"), box);
            return false;
        }
    const std::optional<double> height = strictNumber(heightBox->currentText());
    const std::optional<double> velocity = strictNumber(velocityBox->currentText());
    if (!height || !velocity) {
        dialogs().message(this, DialogSeam::Icon::Warning, QStringLiteral("Velmora"),
                          QStringLiteral("Bitte geben Sie gültige Werte ein!"));
        return false;
    }
    const SandChoice c = choice();
    const SandRange heights = sandHeightRange(c.multiLayer);
    if (*height < heights.low || *height > heights.high) {
        heightBox->setEditText(heightBox->itemText(1));
        warn(*height < heights.low ? QStringLiteral("Die Filterschichthöhe ist zu klein gewählt.")
                                   : QStringLiteral("Die Filterschichthöhe ist zu groß gewählt."),
             heightBox);
        return false;
    }
    const SandRange velocities = sandVelocityRange(c);
    const QString presetVelocity = sandVelocities(c).items.value(sandVelocities(c).preset);
    if (*velocity > velocities.high) {
        velocityBox->setEditText(presetVelocity);
        warn(QStringLiteral("Die Filtrationsgeschwindigkeit ist zu groß gewählt."), velocityBox);
        return false;
    }
    if (*velocity < velocities.low) {
        const QString slow = QStringLiteral("Die Filtrationsgeschwindigkeit ist ungewöhnlich klein gewählt.");
        if (!m_okMode) {
            dialogs().message(this, DialogSeam::Icon::Warning, QStringLiteral("Velmora"), slow);
        } else if (!ask(DialogSeam::Icon::Warning, slow + QStringLiteral("\r\nMöchten Sie fortfahren?"))) {
            m_okMode = false;
            m_cancelled = true;
        }
        if (!c.pressure)
            velocityBox->setEditText(presetVelocity);
        velocityBox->setFocus();
    }
    return calculate();
}

bool TSandfilter::calculate() {
    const std::optional<double> flow = strictNumber(m_ui.VolumenstromE->text());
    const std::optional<int> filters = strictInteger(m_ui.LeistungsaufteilungCB->currentText());
    const std::optional<double> velocity = strictNumber(m_ui.FiltrationsgeschwindigkeitCB->currentText());
    const std::optional<double> height = strictNumber(m_ui.HoeheCB->currentText());
    const std::optional<SandFilterSize> size = flow && filters && velocity && height
                                                   ? designSandFilter(*flow, *filters, *velocity, *height)
                                                   : std::nullopt;
    if (!size) {
        m_ui.VolumenstromE->setText(QStringLiteral("0"));
        clearResults();
        return false;
    }
    if (!size->roundedDiameter)
        return false; // below 1 mm: nothing to show
    const double rounded = *size->roundedDiameter;
    m_ui.FlaecheE->setText(formatPattern(size->area, u"###0.##"));
    m_ui.DurchmesserE->setText(formatPattern(size->diameter, u"####"));
    m_ui.GesamthoeheE->setText(formatPattern(size->shellHeight, u"###0.##"));
    m_ui.DurchmesserRundE->setText(generalNumber(rounded));
    const bool tooWide = rounded > largestFilterDiameter;
    markRed(m_ui.DurchmesserRundE, tooWide);
    const SandChoice c = choice();
    if (tooWide && c.pressure) {
        dialogs().message(this, DialogSeam::Icon::Information, QStringLiteral("Velmora"),
                          QStringLiteral("Der Durchmesser ist größer als 3600 mm. Bitte ändern Sie die "
                                         "Auslegungsdaten."));
        return false;
    }
    if (m_ui.VolumenstromE->text() == u"0")
        return true;
    SandFilterRecord& r = m_record;
    r.head.index = c.kind;
    r.head.header = headerOf(m_ui);
    r.flow = *flow;
    r.velocity = *velocity;
    r.filters = *filters;
    r.height = *height;
    r.pressureFilter = c.pressure ? 1 : 0;
    r.multiLayer = c.multiLayer ? 1 : 0;
    // The results as the dialog shows them.
    r.area = readNumber(m_ui.FlaecheE->text()).value_or(0.0);
    r.shellHeight = readNumber(m_ui.GesamthoeheE->text()).value_or(0.0);
    r.diameter = readNumber(m_ui.DurchmesserE->text()).value_or(0.0);
    r.roundedDiameter = readNumber(m_ui.DurchmesserRundE->text()).value_or(0.0);
    r.unusedValues = {};
    return true;
}

void TSandfilter::okClick() {
    if (m_ui.Ana->text().trimmed().isEmpty())
        return tell(missingNameFormMessage(QStringLiteral("Ana")));
    m_okMode = true;
    const bool calculated = checkAndCalculate();
    m_okMode = false;
    if (m_cancelled) {
        m_cancelled = false;
        return;
    }
    if (calculated)
        openReport(new TSandReport(m_host.windowHost(), m_record), m_ui.Ana->text());
}

} // namespace velmora
