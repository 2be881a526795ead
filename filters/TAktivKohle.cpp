#include "filters/TAktivKohle.h"

#include "common/NumberText.h"
#include "common/NumericKeyFilter.h"
#include "filters/FilterReports.h"

#include <QSignalBlocker>

namespace velmora {

namespace {

constexpr char16_t missingFlow[] = u"Bitte geben Sie einen Volumenstrom an!";
// The first lines of both diameter messages; the line break is the dialog's own "\n\r".
constexpr char16_t diameterAdvice[] =
    u"Der Durchmesser sollte weniger als 3600 mm betragen. Ist dieser größer, "
    u"empfiehlt sich eine Leistungsaufteilung.\n\r";

} // namespace

TAktivKohle::TAktivKohle(CalculationHost& host, QWidget* parent) : FilterDialog(host, parent) {
    m_ui.setupUi(this);
    for (int p = 0; p < carbonPurposeCount; ++p)
        m_ui.TabControl1->addTab(QString::fromUtf16(carbonPurpose(p).name));
    m_ui.Leistung->addItems(filterCountItems());
    m_ui.Verhaeltnis->addItems(filterRatioItems());
    m_ui.Verhaeltnis->setCurrentText(QStringLiteral("3"));
    m_ui.Belastung->lineEdit()->setMaxLength(5);
    m_ui.Geschwindigkeit->lineEdit()->setMaxLength(5);
    m_ui.Leistung->lineEdit()->setMaxLength(2);
    for (QObject* input : {static_cast<QObject*>(m_ui.VolumenStrom), static_cast<QObject*>(m_ui.Belastung),
                           static_cast<QObject*>(m_ui.Geschwindigkeit)})
        NumericKeyFilter::install(input);
    NumericKeyFilter::install(m_ui.Leistung, NumericKeyFilter::Mode::WholeNumber);
    applyPresets();

    connect(m_ui.TabControl1, &QTabBar::currentChanged, this, [this] {
        applyPresets();
        calculate();
    });
    connect(m_ui.BerechnenBt, &QPushButton::clicked, this, &TAktivKohle::calculateWithFlow);
    connect(m_ui.Button1, &QPushButton::clicked, this, &TAktivKohle::okClick);
    connectCloseAndHelp(m_ui.BeendenBt, m_ui.hilfe, m_ui.hilfedatei->text());
    connect(m_ui.Leistung, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (const QString valid = validFilterCount(text); valid != text)
            return m_ui.Leistung->setEditText(valid); // comes back here with the valid text
        splitFlow();
    });
    connect(m_ui.Verhaeltnis, &QComboBox::currentTextChanged, this, [this] {
        if (strictNumber(m_ui.FlaecheGesamt->text()).value_or(0.0) > 0.0)
            calculate();
    });
    connect(m_ui.KreisRB, &QRadioButton::clicked, this, [this] {
        m_okMode = false;
        m_ui.KreisPL->show();
        m_ui.RechteckPL->hide();
        if (hasFlow())
            calculateWithFlow();
    });
    connect(m_ui.RechteckRB, &QRadioButton::clicked, this, [this] {
        m_ui.KreisPL->hide();
        m_ui.RechteckPL->show();
        markRed(m_ui.Leistung, false);
        m_ui.Hinweis->hide();
        if (hasFlow())
            calculateWithFlow();
    });
    connect(m_ui.Belastung, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            m_ui.Belastung->setEditText(carbonPurpose(purpose()).loadPreset);
    });
    connect(m_ui.Geschwindigkeit, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            m_ui.Geschwindigkeit->setEditText(carbonPurpose(purpose()).velocityPreset);
    });
    connect(m_ui.HoeheRund, &QLineEdit::textChanged, this, &TAktivKohle::checkHeight);
}

void TAktivKohle::prepare() {
    m_ui.BerechnenBt->setFocus();
    m_okMode = false;
    for (QLineEdit* edit :
         {m_ui.VolumenStrom, m_ui.Volumen, m_ui.Flaeche, m_ui.Hoehe, m_ui.HoeheRund, m_ui.FlaecheGesamt,
          m_ui.FlaecheFilter, m_ui.Durchmesser, m_ui.DurchmesserGerundet, m_ui.FlaecheRundNeu,
          m_ui.VolumenRundNeu, m_ui.RechteckBreite, m_ui.RechteckLaenge, m_ui.RechteckBreiteGerundet,
          m_ui.RechteckLaengeGerundet, m_ui.FlaecheRechteckNeu, m_ui.VolumenRechteckNeu})
        edit->setText(QStringLiteral("0"));
    m_ui.Leistung->setEditText(QStringLiteral("2"));
    m_ui.Verhaeltnis->setCurrentText(QStringLiteral("3"));
    m_ui.Anzahl->setText(QStringLiteral("2"));
    splitFlow();
    applyPresets();
    markRed(m_ui.DurchmesserGerundet, false);
    markRed(m_ui.Leistung, false);
    m_ui.Hinweis->hide();
    m_ui.DateTimePicker1->setDate(QDate::currentDate());
    if (const TAKohleReport* report = activeReport<TAKohleReport>())
        takeReport(report->record());
}

void TAktivKohle::takeReport(const CarbonFilterRecord& report) {
    // Every input first, then one calculation, so that the dialog shows the report's own design.
    {
        const QSignalBlocker blockTabs(m_ui.TabControl1);
        m_ui.TabControl1->setCurrentIndex(report.head.index);
    }
    applyPresets();
    const CarbonFilterRecord::Inputs& in = report.inputs;
    m_ui.VolumenStrom->setText(generalNumber(in.flow));
    m_ui.Geschwindigkeit->setEditText(generalNumber(in.velocity));
    m_ui.Belastung->setEditText(generalNumber(in.load));
    {
        const QSignalBlocker blockRatio(m_ui.Verhaeltnis);
        m_ui.Verhaeltnis->setCurrentText(generalNumber(in.ratio));
    }
    {
        const QSignalBlocker blockFilters(m_ui.Leistung);
        m_ui.Leistung->setEditText(validFilterCount(QString::number(in.filters)));
    }
    showHeader(m_ui, report.head.header);
    splitFlow();
}

void TAktivKohle::applyPresets() {
    const CarbonPurpose p = carbonPurpose(purpose());
    const QSignalBlocker blockLoad(m_ui.Belastung);
    const QSignalBlocker blockVelocity(m_ui.Geschwindigkeit);
    m_ui.Belastung->clear();
    m_ui.Belastung->addItems(p.loads);
    m_ui.Belastung->setEditText(p.loadPreset);
    m_ui.Geschwindigkeit->clear();
    m_ui.Geschwindigkeit->addItems(p.velocities);
    m_ui.Geschwindigkeit->setEditText(p.velocityPreset);
    m_ui.Hinw1->setText(p.hint1);
    m_ui.Hinw2->setText(p.hint2);
    m_record.head.index = purpose();
    m_record.design.purpose = purpose();
}

bool TAktivKohle::hasFlow() const {
    return strictNumber(m_ui.VolumenStrom->text()).value_or(0.0) > 0.0;
}

bool TAktivKohle::calculateWithFlow() {
    const QString flow = m_ui.VolumenStrom->text().trimmed();
    if (flow.isEmpty() || flow == u"0") {
        warn(QString::fromUtf16(missingFlow), m_ui.VolumenStrom);
        return false;
    }
    return calculate();
}

bool TAktivKohle::calculate() {
    const std::optional<double> load = strictNumber(m_ui.Belastung->currentText());
    const std::optional<double> flow = strictNumber(m_ui.VolumenStrom->text());
    const std::optional<double> velocity = strictNumber(m_ui.Geschwindigkeit->currentText());
    const std::optional<int> filters = strictInteger(m_ui.Anzahl->text());
    const std::optional<double> ratio = strictNumber(m_ui.Verhaeltnis->currentText());
    if (!load || !flow || !velocity || !filters || !ratio) {
        applyPresets();
        return false;
    }
    const std::optional<CarbonFilterDesign> design =
        designCarbonFilter({purpose(), *flow, *load, *velocity, *filters, *ratio});
    if (!design) {
        if (*flow / *velocity != 0.0) // a size that gives no number; no area at all is no calculation
            applyPresets();
        return false;
    }
    const CarbonFilterDesign& d = *design;
    m_ui.Hoehe->setText(formatPattern(d.height, u"#0"));
    m_ui.HoeheRund->setText(formatPattern(d.roundedHeight, u"#.###")); // checks the height
    m_ui.Volumen->setText(formatPattern(d.volume, u"#0.000"));
    m_ui.Flaeche->setText(formatPattern(d.area, u"#0.000"));
    m_ui.FlaecheGesamt->setText(formatPattern(d.area, u"#0.000"));
    m_ui.FlaecheFilter->setText(formatPattern(d.areaPerFilter, u"#0.000"));

    if (readNumber(m_ui.VolumenStrom->text()).value_or(0.0) != 0.0) {
        const std::optional<int> split = strictInteger(m_ui.Leistung->currentText());
        const std::optional<double> shownHeight = strictNumber(m_ui.Hoehe->text());
        if (!split || !shownHeight) {
            applyPresets();
            return false;
        }
        CarbonFilterRecord::Inputs& in = m_record.inputs;
        in = {};
        in.flow = *flow;
        in.velocity = *velocity;
        in.ratio = *ratio;
        in.shownHeight = *shownHeight;
        in.filters = *split;
        in.load = *load;
        m_record.head.header = headerOf(m_ui);
    }
    m_record.design = d;

    // Both shapes are shown whatever the shape; only a circle is checked for its width.
    showShapes({m_ui.Durchmesser, m_ui.DurchmesserGerundet, m_ui.FlaecheRundNeu, m_ui.VolumenRundNeu,
                m_ui.RechteckBreite, m_ui.RechteckLaenge, m_ui.RechteckBreiteGerundet,
                m_ui.RechteckLaengeGerundet, m_ui.FlaecheRechteckNeu, m_ui.VolumenRechteckNeu},
               d.circle, d.rectangle);
    return !m_ui.KreisRB->isChecked() || *flow <= 0.0 || checkDiameter(d.circle.roundedDiameter);
}

void TAktivKohle::splitFlow() {
    const int filters = showFilterSplit(m_ui.Leistung, m_ui.Prozent, m_ui.Anzahl);
    m_record.design.filters = filters;
    m_record.design.totalFilters = filters;
    m_record.design.share = 100.0 / (filters - 1);
    if (hasFlow())
        calculateWithFlow();
}

void TAktivKohle::checkHeight() {
    const int height = strictInteger(m_ui.HoeheRund->text()).value_or(0);
    const HeightVerdict verdict = height < 1 ? HeightVerdict::Fine : carbonHeightVerdict(purpose(), height);
    for (QWidget* control :
         {static_cast<QWidget*>(m_ui.Hoehe), static_cast<QWidget*>(m_ui.HoeheRund),
          static_cast<QWidget*>(m_ui.Belastung), static_cast<QWidget*>(m_ui.Geschwindigkeit)})
        markRed(control, verdict != HeightVerdict::Fine);
    if (verdict == HeightVerdict::TooHigh)
        warn(QStringLiteral("Die Filterschichthöhe ist größer als die Empfehlung!"), m_ui.Belastung);
    else if (verdict == HeightVerdict::TooLow)
        warn(QStringLiteral("Die Filterschichthöhe ist kleiner als die Empfehlung!"), m_ui.Belastung);
}

bool TAktivKohle::checkDiameter(double roundedDiameter) {
    const bool tooWide = roundedDiameter > largestFilterDiameter;
    markRed(m_ui.DurchmesserGerundet, tooWide);
    markRed(m_ui.Leistung, tooWide);
    m_ui.Hinweis->setVisible(tooWide);
    if (!tooWide)
        return true;
    m_ui.Leistung->setFocus();
    if (!m_okMode) {
        dialogs().message(this, DialogSeam::Icon::Information, QStringLiteral("Velmora"),
                          QString::fromUtf16(diameterAdvice) +
                              QStringLiteral("Weitere Informationen erhalten Sie in der Hilfe."));
        return true;
    }
    m_okMode = false;
    return ask(DialogSeam::Icon::Information,
               QString::fromUtf16(diameterAdvice) + QStringLiteral("Möchten Sie fortfahren?"));
}

void TAktivKohle::okClick() {
    if (m_ui.Ana->text().trimmed().isEmpty())
        return tell(missingNameFormMessage(QStringLiteral("Ana")));
    const QString flow = m_ui.VolumenStrom->text().trimmed();
    if (flow.isEmpty() || flow == u"0")
        return warn(QString::fromUtf16(missingFlow), m_ui.VolumenStrom);
    m_okMode = true;
    const bool calculated = calculateWithFlow();
    m_okMode = false;
    if (calculated)
        openReport(new TAKohleReport(m_host.windowHost(), m_record), m_ui.Ana->text());
}

} // namespace velmora
